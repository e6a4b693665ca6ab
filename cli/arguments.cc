#include "cli/arguments.h"

#include <optional>

#include "runtime/command_arguments.h"
#include "runtime/path.h"

namespace quillfold {
namespace {

// Windows' own commands show their help for "/?", so Windows users type it;
// elsewhere "/?" is the path of a folder named "?".
#ifdef _WIN32
constexpr bool kSlashQuestionMarkIsHelp = true;
#else
constexpr bool kSlashQuestionMarkIsHelp = false;
#endif

}  // namespace

std::string UsageText() {
  return std::string(
             "Usage: quillfold-cli [--filter TEXT] [--paging] [--links-per-page TEXT]\n"
             "                     [-0|--null] [--] FOLDER\n"
             "\n"
             "Appends an HTML link record for every file directly in FOLDER to\n"
             "FOLDER") +
         kPathSeparator +
         "index1.html and prints each linked name.\n"
         "\n"
         "  --filter TEXT          link only names that contain TEXT (case-sensitive)\n"
         "  --paging               spread the links over index1.html, index2.html, ...\n"
         "                         and list the pages in index.html\n"
         "  --links-per-page TEXT  links per page file (default 95), a number in the\n"
         "                         user's locale\n"
         "  -0, --null             end each printed name with a NUL byte, not a newline\n"
         "  --                     end the options, so that FOLDER may begin with -\n" +
         (kSlashQuestionMarkIsHelp ? "  /?, -h, --help         show this help\n"
                                   : "  -h, --help             show this help\n") +
         "  --version              show the version\n";
}

CommandLine ParseArguments(std::span<const std::string_view> arguments) {
  CommandLine command;
  bool have_folder = false;
  bool options_ended = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string_view argument = arguments[i];
    if (kSlashQuestionMarkIsHelp && !options_ended && argument == "/?") {
      return OnlyAction<CommandLine>(CommandLine::Action::kHelp);
    }
    if (options_ended || argument.size() < 2 || argument[0] != '-') {
      if (have_folder) return UsageError<CommandLine>("more than one folder given");
      command.run.folder_path = argument;
      have_folder = true;
      continue;
    }
    if (argument == "--") {
      options_ended = true;
      continue;
    }
    if (argument == "-h" || argument == "--help")
      return OnlyAction<CommandLine>(CommandLine::Action::kHelp);
    if (argument == "--version") return OnlyAction<CommandLine>(CommandLine::Action::kVersion);
    if (argument == "--paging") {
      command.run.paging_on = true;
      continue;
    }
    if (argument == "-0" || argument == "--null") {
      command.null_terminated = true;
      continue;
    }

    // The options that take a value, as "--name VALUE" or "--name=VALUE".
    std::string_view name = argument;
    std::optional<std::string_view> value;
    if (const std::size_t equals = argument.find('='); equals != std::string_view::npos) {
      name = argument.substr(0, equals);
      value = argument.substr(equals + 1);
    }
    if (name == "--paging" || name == "--null" || name == "--help" || name == "--version") {
      return UsageError<CommandLine>(std::string(name) + " takes no value");
    }
    if (name != "--filter" && name != "--links-per-page") {
      return UsageError<CommandLine>("unknown option " + std::string(name));
    }
    if (!value) {
      if (i + 1 == arguments.size())
        return UsageError<CommandLine>(std::string(name) + " needs a value");
      value = arguments[++i];
    }
    if (name == "--filter") {
      command.run.filter_on = true;
      command.run.filter_text = *value;
    } else {
      command.run.links_per_page_text = *value;
    }
  }
  if (!have_folder) return UsageError<CommandLine>("no folder given");
  if (std::string mistake = FolderArgumentMistake(command.run.folder_path); !mistake.empty()) {
    return UsageError<CommandLine>(std::move(mistake));
  }
  return command;
}

}  // namespace quillfold
