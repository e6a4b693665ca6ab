// quillfold-cli: one generation run from the command line.

#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/log_writer.h"
#include "generation/generate_indexes.h"
#include "platform/standard_descriptors.h"
#include "runtime/error.h"

namespace quillfold {
namespace {

constexpr int kExitRunFailed = 1;
constexpr int kExitUsage = 2;

// The run's inputs as the command line gives them; the log goes to standard
// output, one name per line.
class CommandLineInputs : public RunInputs {
 public:
  CommandLineInputs(const CommandLine& command, std::string folder, LogWriter& log)
      : command_(command), folder_(std::move(folder)), log_(log) {}

  std::string FolderPath() override { return folder_; }
  int FilterSwitch() override { return command_.filter_on ? 1 : 0; }
  std::string FilterText() override { return command_.filter_text; }
  int PagingSwitch() override { return command_.paging_on ? 1 : 0; }
  std::string LinksPerPageText() override { return command_.links_per_page_text; }
  // Standard output starts empty, so there is nothing to clear.
  void ClearLog() override {}
  void AppendLogLine(std::string_view name) override { log_.AddLine(name); }

 private:
  const CommandLine& command_;
  std::string folder_;
  LogWriter& log_;
};

// The folder as an absolute path without a trailing "/" (the root stays "/").
std::string AbsoluteFolder(const std::string& folder) {
  std::string path;
  if (folder.front() != '/') {
    std::vector<char> cwd(4096);
    while (getcwd(cwd.data(), cwd.size()) == nullptr) {
      if (errno != ERANGE) throw FileError(errno, ".");
      cwd.resize(cwd.size() * 2);
    }
    path = cwd.data();
    path += '/';
  }
  path += folder;
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

int Run(const CommandLine& command) {
  LogWriter log(STDOUT_FILENO, {.terminator = command.null_terminated ? '\0' : '\n',
                                .mask_controls = isatty(STDOUT_FILENO) == 1});
  try {
    CommandLineInputs inputs(command, AbsoluteFolder(command.folder), log);
    GenerateIndexes(inputs);
    log.Flush();
    if (log.error() != 0) {
      // Every record is written; only the list of names is incomplete.
      std::fprintf(stderr, "quillfold-cli: the list of linked names is incomplete: %s\n",
                   std::strerror(log.error()));
      return kExitRunFailed;
    }
    return 0;
  } catch (const Error& error) {
    log.Flush();
    std::fprintf(stderr, "quillfold-cli: error %d: %s\nquillfold-cli: %s\n", error.number(),
                 error.text().c_str(), error.detail().c_str());
    return kExitRunFailed;
  }
}

// Prints `text` on standard output; a failure is reported like a run's.
int PrintAnswer(std::string_view text) {
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
    std::fprintf(stderr, "quillfold-cli: cannot write to standard output: %s\n",
                 std::strerror(errno));
    return kExitRunFailed;
  }
  return 0;
}

int Main(int argc, char** argv) {
  OpenStandardDescriptors();
  // A reader that goes away must not end the run: writes to it fail instead.
  std::signal(SIGPIPE, SIG_IGN);
  std::setlocale(LC_ALL, "");

  const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const CommandLine command = ParseArguments(arguments);
  switch (command.action) {
    case CommandLine::Action::kHelp:
      return PrintAnswer(UsageText());
    case CommandLine::Action::kVersion:
      return PrintAnswer("quillfold-cli " QUILLFOLD_VERSION_TEXT "\n");
    case CommandLine::Action::kUsageError:
      std::fprintf(stderr, "quillfold-cli: %s\n%s", command.usage_error.c_str(),
                   UsageText().data());
      return kExitUsage;
    case CommandLine::Action::kRun:
      break;
  }
  return Run(command);
}

}  // namespace
}  // namespace quillfold

int main(int argc, char** argv) { return quillfold::Main(argc, argv); }
