#include "window/win32/window_arguments.h"

#include "runtime/command_arguments.h"

namespace quillfold {

std::string_view WindowUsageText() {
  return "Usage: quillfold.exe [[--] FOLDER]\n"
         "\n"
         "Opens the Quillfold window on FOLDER, or on the current folder's drive.\n"
         "\n"
         "  /?, -h, --help  show this help\n"
         "  --              end the options, so that FOLDER may be /? or -h\n";
}

WindowArguments ParseWindowArguments(std::span<const std::string> arguments) {
  WindowArguments result;
  bool options_ended = false;
  for (const std::string& argument : arguments) {
    if (!options_ended && argument == "--") {
      options_ended = true;
      continue;
    }
    if (!options_ended && (argument == "/?" || argument == "-h" || argument == "--help")) {
      return OnlyAction<WindowArguments>(WindowArguments::Action::kHelp);
    }
    if (std::string mistake = FolderMistake(argument, result.folder); !mistake.empty()) {
      return UsageError<WindowArguments>(std::move(mistake));
    }
    result.folder = argument;
  }
  return result;
}

}  // namespace quillfold
