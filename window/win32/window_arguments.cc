#include "window/win32/window_arguments.h"

#include "runtime/folder_argument.h"

namespace quillfold {
namespace {

WindowArguments UsageError(std::string message) {
  WindowArguments result;
  result.action = WindowArguments::Action::kUsageError;
  result.usage_error = std::move(message);
  return result;
}

}  // namespace

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
      WindowArguments help;
      help.action = WindowArguments::Action::kHelp;
      return help;
    }
    // A folder is never empty, so an empty one is none given yet.
    if (!result.folder.empty()) return UsageError("more than one folder given");
    if (std::string mistake = FolderArgumentMistake(argument); !mistake.empty()) {
      return UsageError(std::move(mistake));
    }
    result.folder = argument;
  }
  return result;
}

}  // namespace quillfold
