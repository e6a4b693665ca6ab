#ifndef QUILLFOLD_RUNTIME_COMMAND_ARGUMENTS_H_
#define QUILLFOLD_RUNTIME_COMMAND_ARGUMENTS_H_

#include <string>
#include <string_view>
#include <utility>

namespace quillfold {

// What each program's parser of its command line shares. A parser builds a
// `Command` with an `Action` enum holding kUsageError, an `action` and a
// `usage_error`.

// A command that asks only for `action`: the rest of the line is not read.
template <typename Command>
Command OnlyAction(typename Command::Action action) {
  Command command;
  command.action = action;
  return command;
}

// A usage mistake, `message` saying what is wrong.
template <typename Command>
Command UsageError(std::string message) {
  Command command = OnlyAction<Command>(Command::Action::kUsageError);
  command.usage_error = std::move(message);
  return command;
}

// What is wrong with a FOLDER given on a command line, for a usage mistake;
// empty when nothing is. An empty or blank folder is a mistake, not the
// current folder: Windows drops trailing spaces from a path, so " " would
// name the current folder there, and a script's unset variable would run
// wherever it was started.
std::string FolderArgumentMistake(std::string_view folder);

// What is wrong with `argument` as the folder to open, `folder` being the
// one given before it (empty when none: a folder is never empty); empty
// when nothing is.
std::string FolderMistake(std::string_view argument, const std::string& folder);

}  // namespace quillfold

#endif  // QUILLFOLD_RUNTIME_COMMAND_ARGUMENTS_H_
