#include "window/qt/window_arguments.h"

#include <algorithm>

#include "runtime/command_arguments.h"

namespace quillfold {
namespace {

// The options QApplication and its X platform read from the command line,
// written with one dash. Left to Qt; anything else starting with a dash is a
// mistake.
struct QtOption {
  std::string_view name;
  bool takes_value;
};

constexpr QtOption kQtOptions[] = {
    {"-platform", true},
    {"-platformpluginpath", true},
    {"-platformtheme", true},
    {"-plugin", true},
    {"-qwindowgeometry", true},
    {"-qwindowicon", true},
    {"-qwindowtitle", true},
    {"-session", true},
    {"-style", true},
    {"-stylesheet", true},
    {"-display", true},
    {"-geometry", true},
    {"-title", true},
    {"-icon", true},
    {"-name", true},
    {"-visual", true},
    {"-reverse", false},
    {"-nograb", false},
    {"-dograb", false},
    {"-widgetcount", false},
    {"-testability", false},
};

// Qt also reads these as "-name=VALUE", and the debugger option only so.
constexpr std::string_view kQtJoinedOptions[] = {"-style=", "-stylesheet=", "-qmljsdebugger="};

const QtOption* FindQtOption(std::string_view name) {
  const auto found = std::find_if(std::begin(kQtOptions), std::end(kQtOptions),
                                  [name](const QtOption& option) { return option.name == name; });
  return found == std::end(kQtOptions) ? nullptr : found;
}

bool IsJoinedQtOption(std::string_view argument) {
  return std::any_of(std::begin(kQtJoinedOptions), std::end(kQtJoinedOptions),
                     [argument](std::string_view prefix) { return argument.starts_with(prefix); });
}

}  // namespace

std::string_view WindowUsageText() {
  return "Usage: quillfold [--help] [--version] [Qt options] [[--] FOLDER]\n"
         "\n"
         "Opens the Quillfold window on FOLDER, or in the current folder: pick a\n"
         "folder, press Step 2, and every file in that folder gets a link in its\n"
         "index1.html. quillfold-cli does the same from a command line or a script.\n"
         "\n"
         "  -h, --help  show this help\n"
         "  --version   show the version\n"
         "  --          end the options, so that FOLDER may begin with -\n"
         "\n"
         "Qt's standard options, such as -platform NAME, -display NAME and\n"
         "-style NAME, are passed on to Qt.\n";
}

std::string_view WindowVersionText() { return "quillfold " QUILLFOLD_VERSION_TEXT "\n"; }

WindowArguments ParseWindowArguments(std::span<const std::string_view> arguments) {
  WindowArguments result;
  result.qt_argument_count = arguments.size();
  bool options_ended = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (!options_ended && argument == "--") {
      options_ended = true;
      result.qt_argument_count = i;
      continue;
    }
    if (options_ended || argument.size() < 2 || argument[0] != '-') {
      if (std::string mistake = FolderMistake(argument, result.folder); !mistake.empty()) {
        return UsageError<WindowArguments>(std::move(mistake));
      }
      result.folder = argument;
      continue;
    }
    if (argument == "--help" || argument == "-h") {
      return OnlyAction<WindowArguments>(WindowArguments::Action::kHelp);
    }
    if (argument == "--version") {
      return OnlyAction<WindowArguments>(WindowArguments::Action::kVersion);
    }
    const std::string_view name = argument.starts_with("--") ? argument.substr(1) : argument;
    if (IsJoinedQtOption(name)) continue;
    const QtOption* option = FindQtOption(name);
    if (option == nullptr) {
      return UsageError<WindowArguments>("unknown option " + std::string(argument));
    }
    if (!option->takes_value) continue;
    if (i + 1 == arguments.size()) {
      return UsageError<WindowArguments>("option " + std::string(argument) + " needs a value");
    }
    const std::string_view value = arguments[++i];
    if (name == "-platform") {
      // Qt would take an empty name as a platform and fail to find it.
      if (value.empty()) {
        return UsageError<WindowArguments>("option " + std::string(argument) + " needs a value");
      }
      result.platform = value;
    } else if (name == "-display") {
      result.display = value;
    }
  }
  return result;
}

}  // namespace quillfold
