// quillfold-cli: one generation run from the command line. The system's
// side (the entry point, the standard streams, the current folder) is in
// cli/posix/ and cli/windows/.

#include <string>
#include <string_view>

#include "cli/arguments.h"
#include "cli/log_writer.h"
#include "cli/system.h"
#include "cli/terminal_text.h"
#include "generation/generate_indexes.h"
#include "runtime/absolute_folder.h"
#include "runtime/error.h"

namespace quillfold {
namespace {

constexpr int kExitRunFailed = 1;
constexpr int kExitUsage = 2;

// The run's log goes to standard output, one name per line.
class StandardOutputLog : public RunLog {
 public:
  explicit StandardOutputLog(LogWriter& log) : log_(log) {}
  // Standard output starts empty, so there is nothing to clear.
  void Clear() override {}
  void AddLine(std::string_view name) override { log_.AddLine(name); }

 private:
  LogWriter& log_;
};

// Prints on standard error; nothing is left to tell of a failure there.
// On a terminal each line shows as the names on standard output do: a
// message names a folder, whose path may hold any name.
void PrintError(const std::string& text) {
  StandardStream error(StandardStream::Which::kError);
  std::string shown;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    AppendForTerminal(std::string_view(text).substr(start, end - start), error.terminal(), shown);
    shown += '\n';
  }
  AppendForTerminal(std::string_view(text).substr(start), error.terminal(), shown);
  error.Write(shown);
}

void Complain(std::string_view message) {
  PrintError("quillfold-cli: " + std::string(message) + "\n");
}

int Run(const CommandLine& command) {
  StandardStream output(StandardStream::Which::kOutput);
  LogWriter log(
      output, {.terminator = command.null_terminated ? '\0' : '\n', .terminal = output.terminal()});
  try {
    RunSettings settings = command.run;
    settings.folder_path = AbsoluteFolder(settings.folder_path);
    settings.links_per_page_text = TypedText(settings.links_per_page_text);
    StandardOutputLog run_log(log);
    GenerateIndexes(settings, run_log, SystemDisk());
    log.Flush();
    if (log.error() != 0) {
      // Every record is written; only the list of names is incomplete.
      Complain("the list of linked names is incomplete: " + SystemErrorText(log.error()));
      return kExitRunFailed;
    }
    return 0;
  } catch (const Error& error) {
    log.Flush();
    Complain("error " + std::to_string(error.number()) + ": " + error.text() +
             "\nquillfold-cli: " + error.detail());
    return kExitRunFailed;
  }
}

// Prints `text` on standard output; a failure is reported like a run's.
int PrintAnswer(std::string_view text) {
  StandardStream output(StandardStream::Which::kOutput);
  if (const int error = output.Write(text)) {
    Complain("cannot write to standard output: " + SystemErrorText(error));
    return kExitRunFailed;
  }
  return 0;
}

}  // namespace

int RunCommandLine(std::span<const std::string_view> arguments) {
  const CommandLine command = ParseArguments(arguments);
  switch (command.action) {
    case CommandLine::Action::kHelp:
      return PrintAnswer(UsageText());
    case CommandLine::Action::kVersion:
      return PrintAnswer("quillfold-cli " QUILLFOLD_VERSION_TEXT "\n");
    case CommandLine::Action::kUsageError:
      PrintError("quillfold-cli: " + command.usage_error + "\n" + UsageText());
      return kExitUsage;
    case CommandLine::Action::kRun:
      break;
  }
  return Run(command);
}

}  // namespace quillfold
