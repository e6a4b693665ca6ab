// The command-line front end as a user runs it.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "generation/link_record.h"
#include "testing/cli_process.h"
#include "testing/temp_folder.h"

namespace quillfold {
namespace {

using testing::HostileResult;
using testing::HostileStart;
using testing::ReadFile;
using testing::RunHostile;
using testing::TempFolder;
using testing::WriteFile;

HostileResult RunCli(std::vector<std::string> arguments, const HostileStart& start = {}) {
  arguments.insert(arguments.begin(), QUILLFOLD_CLI_PATH);
  return RunHostile(arguments, start);
}

TEST(CliTest, PrintsEachLinkedNameAndWritesTheRecords) {
  TempFolder folder;
  WriteFile(folder / "a b.txt", "");
  const HostileResult result = RunCli({"--filter", ".txt", folder.path()});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.out, "a b.txt\n");
  EXPECT_EQ(result.err, "");
  std::string record;
  AppendLinkRecord(record, "a b.txt", "a b.txt");
  EXPECT_EQ(ReadFile(folder / "index1.html"), record);
}

TEST(CliTest, MakesARelativeFolderAbsolute) {
  TempFolder folder;
  WriteFile(folder / "sub-file", "");
  HostileStart in_folder;
  in_folder.working_directory = folder.path();
  const HostileResult result = RunCli({"--links-per-page", "1", "--paging", "./"}, in_folder);
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out, "sub-file\n");
  std::string master;
  AppendLinkRecord(master, "index1.html", "index1.html");
  EXPECT_EQ(ReadFile(folder / "index.html"), master);
}

TEST(CliTest, NamesARelativeFolderFromTheCurrentOneWithItsDotsResolved) {
  TempFolder base;
  const std::string folder = base / "here";
  testing::MakeFolder(folder);
  testing::MakeFolder(base / "elsewhere");
  ASSERT_EQ(symlink((base / "elsewhere").c_str(), (folder + "/link").c_str()), 0);
  HostileStart in_folder;
  in_folder.working_directory = folder;
  const struct {
    std::string argument;
    std::string named;  // The folder as the message names it.
  } kCases[] = {
      {"gone", folder + "/gone"},
      {"./gone/.", folder + "/gone"},
      {".//gone//", folder + "/gone"},
      {"../gone", base / "gone"},
      {"../../../../../../../../../../../../../../gone", "/gone"},
      // Past a name of the user's, which may be a link, ".." is kept.
      {"link/../gone", folder + "/link/../gone"},
      {"/no/./such/../folder", "/no/such/../folder"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.argument);
    const HostileResult result = RunCli({c.argument}, in_folder);
    EXPECT_EQ(result.err, "quillfold-cli: error 76: Path not found\nquillfold-cli: " + c.named +
                              ": No such file or directory\n");
  }
}

TEST(CliTest, ReportsAFailedRunWithNumberTextAndDetail) {
  TempFolder folder;
  const struct {
    std::vector<std::string> arguments;
    std::string err;
  } kCases[] = {
      {{folder / "gone"},
       "quillfold-cli: error 76: Path not found\nquillfold-cli: " + (folder / "gone") +
           ": No such file or directory\n"},
      {{"--links-per-page", "abc", folder.path()},
       "quillfold-cli: error 13: Type mismatch\nquillfold-cli: \"abc\" is not a number\n"},
  };
  for (const auto& c : kCases) {
    const HostileResult result = RunCli(c.arguments);
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, c.err);
  }
}

TEST(CliTest, UsageMistakesExitWithTwo) {
  const HostileResult result = RunCli({"--bogus", "dir"});
  EXPECT_EQ(result.exit_code, 2);
  EXPECT_EQ(result.err.substr(0, 55), "quillfold-cli: unknown option --bogus\nUsage: quillfold-");
}

TEST(CliTest, AnswersHelpAndVersion) {
  EXPECT_EQ(RunCli({"--version"}).out, "quillfold-cli 1.00\n");
  const HostileResult help = RunCli({"--help"});
  EXPECT_EQ(help.exit_code, 0);
  EXPECT_EQ(help.out.substr(0, 7), "Usage: ");
}

// On a terminal a name's control characters show as "?", so it cannot
// retitle the window or clear the screen; into a pipe or a file the bytes
// stay as they are; -0 ends each name with NUL for `xargs -0`.
TEST(CliTest, PrintsNamesAsTheOutputNeedsThem) {
  const std::string escape = "t\x1B]0;OWNED\x07\x1B[2J";
  const std::string c1 =
      "csi\x9B"
      "2J \xC2\x9B"
      "2J";
  const struct {
    std::string what;
    std::string name;
    std::vector<std::string> options;
    bool on_terminal;
    std::string out;
  } kCases[] = {
      {"pipe", escape, {}, false, escape + "\n"},
      {"terminal", escape, {}, true, "t?]0;OWNED??[2J\n"},
      {"line break on a terminal", "new\nline", {}, true, "new?line\n"},
      {"NUL-ended into a pipe", "new\nline", {"-0"}, false, std::string("new\nline\0", 9)},
      {"NUL-ended on a terminal", "del\x7F", {"--null"}, true, std::string("del?\0", 5)},
      {"beyond ASCII on a terminal", "M\xC3\xBCller", {}, true, "M\xC3\xBCller\n"},
      // CSI as one byte (an 8-bit terminal's) and as U+009B in UTF-8.
      {"C1 on a terminal", c1, {}, true, "csi?2J ?2J\n"},
      {"C1 into a pipe", c1, {}, false, c1 + "\n"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    WriteFile(folder / c.name, "");
    std::vector<std::string> arguments = c.options;
    arguments.insert(arguments.end(), {"--filter", c.name, folder.path()});
    HostileStart start;
    start.stdout_on_terminal = c.on_terminal;
    const HostileResult result = RunCli(arguments, start);
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out, c.out);
  }
}

// A message names the folder, whose path may hold any name: on a terminal
// its control characters show as "?" too; into a pipe its bytes stay.
TEST(CliTest, AMessageOnATerminalMasksTheFoldersControlCharacters) {
  TempFolder base;
  const std::string folder = base / "gone\x1B]0;OWNED\x07";
  for (const bool on_terminal : {true, false}) {
    SCOPED_TRACE(on_terminal ? "terminal" : "pipe");
    HostileStart start;
    start.stderr_on_terminal = on_terminal;
    const HostileResult result = RunCli({folder}, start);
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_EQ(result.err, "quillfold-cli: error 76: Path not found\nquillfold-cli: " + base.path() +
                              (on_terminal ? "/gone?]0;OWNED?" : "/gone\x1B]0;OWNED\x07") +
                              ": No such file or directory\n");
  }
}

TEST(CliTest, AnOutputThatCannotBeWrittenIsReportedAfterTheRun) {
  TempFolder folder;
  WriteFile(folder / "a.txt", "");
  const std::string command = std::string(QUILLFOLD_CLI_PATH) + " --filter .txt '" + folder.path() +
                              "' > /dev/full 2> '" + (folder / "err") + "'";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_EQ(ReadFile(folder / "err"),
            "quillfold-cli: the list of linked names is incomplete: No space left on device\n");
  std::string record;
  AppendLinkRecord(record, "a.txt", "a.txt");
  EXPECT_EQ(ReadFile(folder / "index1.html"), record);
}

TEST(CliTest, HelpAndVersionIntoAFullDiskFail) {
  TempFolder folder;
  for (const std::string option : {"--help", "--version"}) {
    SCOPED_TRACE(option);
    const std::string command = std::string(QUILLFOLD_CLI_PATH) + " " + option +
                                " > /dev/full 2> '" + (folder / "err") + "'";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(ReadFile(folder / "err"),
              "quillfold-cli: cannot write to standard output: No space left on device\n");
  }
}

}  // namespace
}  // namespace quillfold
