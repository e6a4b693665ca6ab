// The command-line front end as a user runs it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generation/link_record.h"
#include "testing/subprocess.h"
#include "testing/temp_folder.h"

namespace quillfold {
namespace {

using testing::ProcessOptions;
using testing::ProcessResult;
using testing::ReadFile;
using testing::RunProcess;
using testing::TempFolder;
using testing::WriteFile;

ProcessResult RunCli(std::vector<std::string> arguments, const ProcessOptions& options = {}) {
  arguments.insert(arguments.begin(), QUILLFOLD_CLI_PATH);
  return RunProcess(arguments, options);
}

TEST(CliTest, PrintsEachLinkedNameAndWritesTheRecords) {
  TempFolder folder;
  WriteFile(folder / "a b.txt", "");
  const ProcessResult result = RunCli({"--filter", ".txt", folder.path()});
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
  ProcessOptions in_folder;
  in_folder.working_directory = folder.path();
  const ProcessResult result = RunCli({"--links-per-page", "1", "--paging", "./"}, in_folder);
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out, "sub-file\n");
  std::string master;
  AppendLinkRecord(master, "index1.html", "index1.html");
  EXPECT_EQ(ReadFile(folder / "index.html"), master);
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
    const ProcessResult result = RunCli(c.arguments);
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, c.err);
  }
}

TEST(CliTest, UsageMistakesExitWithTwo) {
  const ProcessResult result = RunCli({"--bogus", "dir"});
  EXPECT_EQ(result.exit_code, 2);
  EXPECT_EQ(result.err.substr(0, 55), "quillfold-cli: unknown option --bogus\nUsage: quillfold-");
}

TEST(CliTest, AnswersHelpAndVersion) {
  EXPECT_EQ(RunCli({"--version"}).out, "quillfold-cli 1.00\n");
  const ProcessResult help = RunCli({"--help"});
  EXPECT_EQ(help.exit_code, 0);
  EXPECT_EQ(help.out.substr(0, 7), "Usage: ");
}

TEST(CliTest, AClosedOutputDoesNotCutTheRunShort) {
  TempFolder folder;
  std::string expected;
  for (int i = 0; i < 20000; ++i) {
    const std::string name = "file-" + std::to_string(i);
    WriteFile(folder / name, "");
  }
  ProcessOptions head;
  head.stdout_bytes_read = 10;
  const ProcessResult result = RunCli({folder.path()}, head);
  EXPECT_EQ(result.exit_code, 0) << result.err;
  const std::string page = ReadFile(folder / "index1.html");
  std::size_t records = 0;
  for (std::size_t at = 0; (at = page.find("<p><a href=", at)) != std::string::npos; ++at) {
    ++records;
  }
  EXPECT_EQ(records, 20000u);
}

}  // namespace
}  // namespace quillfold
