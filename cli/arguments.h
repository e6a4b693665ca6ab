#ifndef QUILLFOLD_CLI_ARGUMENTS_H_
#define QUILLFOLD_CLI_ARGUMENTS_H_

#include <span>
#include <string>
#include <string_view>

#include "generation/generate_indexes.h"

namespace quillfold {

// What the command line asks for.
struct CommandLine {
  enum class Action { kRun, kHelp, kVersion, kUsageError };

  Action action = Action::kRun;
  std::string usage_error;  // Set for kUsageError: what was wrong.

  // The run it asks for. Its folder is as given, made absolute only when the
  // run starts, and its texts are as the terminal typed them.
  RunSettings run;
  bool null_terminated = false;  // Names printed ending in NUL, not a newline.
};

// Parses the arguments after the program name:
//   [--filter TEXT] [--paging] [--links-per-page TEXT] [-0|--null] [--] FOLDER
// plus -h (--help) and --version. "--" ends the options, so a folder may start
// with "-"; an option may also be written --name=TEXT.
CommandLine ParseArguments(std::span<const std::string_view> arguments);

// The usage text, ending in a newline.
std::string UsageText();

}  // namespace quillfold

#endif  // QUILLFOLD_CLI_ARGUMENTS_H_
