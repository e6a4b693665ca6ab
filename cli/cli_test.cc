// The command-line front end as a user runs it.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
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

// The locale the program starts in, for the tests that print to a
// terminal: its character set decides what the terminal can be given.
class ScopedLocale {
 public:
  explicit ScopedLocale(const char* name) {
    if (const char* old = std::getenv("LC_ALL")) old_ = old;
    setenv("LC_ALL", name, 1);
  }
  ~ScopedLocale() {
    if (old_) {
      setenv("LC_ALL", old_->c_str(), 1);
    } else {
      unsetenv("LC_ALL");
    }
  }

 private:
  std::optional<std::string> old_;
};

// On a terminal a name shows as runtime/shown_name shows it, so it cannot
// retitle the window or clear the screen, in an 8-bit locale with each
// byte 0x80-0x9F as "?" as well; into a pipe or a file the bytes stay as
// they are; -0 ends each name with NUL for `xargs -0`.
TEST(CliTest, PrintsNamesAsTheOutputNeedsThem) {
  const std::string escape = "t\x1B]0;OWNED\x07\x1B[2J";
  const std::string shown = "t<U+001B>]0;OWNED<U+0007><U+001B>[2J";
  // U+201B, U+201D and U+201C end in 9B (CSI), 9D (OSC) and 9C (ST).
  const std::string quotes = "x\u201B2J\u201D0;T\u201C";
  const struct {
    std::string what;
    std::string name;
    std::vector<std::string> options;
    bool on_terminal;
    const char* locale;
    std::string out;
  } kCases[] = {
      {"pipe", escape, {}, false, "C.UTF-8", escape + "\n"},
      {"terminal", escape, {}, true, "C.UTF-8", shown + "\n"},
      {"NUL-ended into a pipe",
       "new\nline",
       {"-0"},
       false,
       "C.UTF-8",
       std::string("new\nline\0", 9)},
      {"NUL-ended on a terminal",
       "del\x7F",
       {"--null"},
       true,
       "C.UTF-8",
       std::string("del<U+007F>\0", 12)},
      {"reordering on a terminal",
       "invoice\u202Efdp.exe",
       {},
       true,
       "C.UTF-8",
       "invoice<U+202E>fdp.exe\n"},
      {"UTF-8 terminal", quotes, {}, true, "C.UTF-8", quotes + "\n"},
      {"8-bit terminal", quotes, {}, true, "C", "x\xE2??2J\xE2??0;T\xE2??\n"},
      {"8-bit locale into a pipe", quotes, {}, false, "C", quotes + "\n"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const ScopedLocale locale(c.locale);
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

// A number is typed in the terminal's character set: in fr_FR, ISO-8859-1,
// the no-break space that groups digits is the byte 0xA0.
TEST(CliTest, ReadsTheLinksPerPageInTheLocalesCharacterSet) {
  const struct {
    const char* locale;
    std::string typed;
  } kCases[] = {
      {"fr_FR", "1 000"},
      {"fr_FR",
       "1\xA0"
       "000"},
      {"fr_FR@euro",
       "1\xA0"
       "000"},
      {"fr_FR.UTF-8",
       "1\xC2\xA0"
       "000"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.locale) + " " + ::testing::PrintToString(c.typed));
    const ScopedLocale locale(c.locale);
    TempFolder folder;
    WriteFile(folder / "a.txt", "");
    const HostileResult result = RunCli({"--paging", "--links-per-page", c.typed, folder.path()});
    EXPECT_EQ(result.exit_code, 0) << result.err;
  }
}

// A message names the folder, whose path may hold any name: on a terminal
// it shows as the names do; into a pipe its bytes stay.
TEST(CliTest, AMessageOnATerminalShowsTheFoldersNameAsANameShows) {
  const ScopedLocale locale("C.UTF-8");
  TempFolder base;
  const std::string folder = base / "gone\x1B]0;OWNED\x07";
  for (const bool on_terminal : {true, false}) {
    SCOPED_TRACE(on_terminal ? "terminal" : "pipe");
    HostileStart start;
    start.stderr_on_terminal = on_terminal;
    const HostileResult result = RunCli({folder}, start);
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_EQ(result.err,
              "quillfold-cli: error 76: Path not found\nquillfold-cli: " + base.path() +
                  (on_terminal ? "/gone<U+001B>]0;OWNED<U+0007>" : "/gone\x1B]0;OWNED\x07") +
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
