#ifndef QUILLFOLD_WINDOW_QT_WINDOW_ARGUMENTS_H_
#define QUILLFOLD_WINDOW_QT_WINDOW_ARGUMENTS_H_

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace quillfold {

// What quillfold's command line asks for. The window's own options are -h
// (--help), --version and "--"; Qt's standard options (-platform, -display,
// -style, -session, ...) are left in place for Qt, and the two that decide
// where the window appears are kept so the display can be checked before Qt
// starts.
struct WindowArguments {
  enum class Action { kStart, kHelp, kVersion, kUsageError };

  Action action = Action::kStart;
  std::string usage_error;  // What is wrong, for kUsageError.
  std::string platform;     // Qt's -platform value; empty when not given.
  std::string display;      // Qt's -display value, an X display name; empty when not given.
  std::string folder;       // The folder to open, as given; empty when not given.
  // How many of the arguments Qt is given: those before "--", as Qt reads
  // an option in any argument it gets.
  std::size_t qt_argument_count = 0;
};

// `arguments` leaves out the program's name. Like Qt, takes "--name" for
// "-name". One argument that is not an option is the folder to open; after
// "--" every argument is one, so that a folder named "-n" can be given.
WindowArguments ParseWindowArguments(std::span<const std::string_view> arguments);

// What --help prints; a usage mistake prints it after its message.
std::string_view WindowUsageText();

// What --version prints.
std::string_view WindowVersionText();

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_QT_WINDOW_ARGUMENTS_H_
