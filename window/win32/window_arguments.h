#ifndef QUILLFOLD_WINDOW_WIN32_WINDOW_ARGUMENTS_H_
#define QUILLFOLD_WINDOW_WIN32_WINDOW_ARGUMENTS_H_

#include <span>
#include <string>
#include <string_view>

namespace quillfold {

// What quillfold.exe's command line asks for: the help (/?, as Windows' own
// commands take it, or -h and --help, as the Linux window does), or the
// window, on the one FOLDER given. Any other argument is the folder, as a
// Windows path may begin with "-"; after "--" even "/?" and "-h" are.
struct WindowArguments {
  enum class Action { kStart, kHelp, kUsageError };

  Action action = Action::kStart;
  std::string usage_error;  // What is wrong, for kUsageError.
  std::string folder;       // As given; empty when not given.
};

// `arguments` leaves out the program's name.
WindowArguments ParseWindowArguments(std::span<const std::string> arguments);

// What the help shows; a usage mistake shows it after its message.
std::string_view WindowUsageText();

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_WIN32_WINDOW_ARGUMENTS_H_
