#include <QApplication>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "platform/standard_descriptors.h"
#include "runtime/ending_signals.h"
#include "window/qt/application.h"
#include "window/qt/display_check.h"
#include "window/qt/main_window.h"
#include "window/qt/print_answer.h"
#include "window/qt/window_arguments.h"

namespace {

constexpr int kExitNoDisplay = 1;
constexpr int kExitUsage = 2;

}  // namespace

// The program reads no configuration; closing the window ends it.
int main(int argc, char* argv[]) {
  // Before anything is opened, so that no file or connection becomes
  // standard input, output or error when the program was started with one
  // of them closed.
  quillfold::OpenStandardDescriptors();
  quillfold::PrepareEndingSignals();

  const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const quillfold::WindowArguments command = quillfold::ParseWindowArguments(arguments);
  switch (command.action) {
    case quillfold::WindowArguments::Action::kHelp:
      return quillfold::PrintAnswer(quillfold::WindowUsageText());
    case quillfold::WindowArguments::Action::kVersion:
      return quillfold::PrintAnswer(quillfold::WindowVersionText());
    case quillfold::WindowArguments::Action::kUsageError:
      std::fprintf(stderr, "quillfold: %s\n%s", command.usage_error.c_str(),
                   quillfold::WindowUsageText().data());
      return kExitUsage;
    case quillfold::WindowArguments::Action::kStart:
      break;
  }

  // Qt aborts with a core dump when it finds no display; say why instead.
  const std::string problem =
      quillfold::DisplayProblem({command.platform, command.display},
                                quillfold::ProcessEnvironment(), quillfold::SystemDisplayProbes());
  if (!problem.empty()) {
    std::fprintf(stderr,
                 "quillfold: cannot open a display (%s); quillfold is a desktop program, see "
                 "quillfold-cli for the command line\n",
                 problem.c_str());
    return kExitNoDisplay;
  }

  // Qt keeps a reference to its argument count for the application's life.
  int qt_argc = argc > 0 ? 1 + static_cast<int>(command.qt_argument_count) : 0;
  QApplication application(qt_argc, argv);
  quillfold::DescribeApplication();
  quillfold::MainWindow window;
  window.ShowCentered();
  if (!command.folder.empty()) window.OpenGivenFolder(command.folder);
  return QApplication::exec();
}
