#include "cli/arguments.h"

#include <gtest/gtest.h>

#include <vector>

#include "runtime/path.h"

namespace quillfold {
namespace {

using Action = CommandLine::Action;

CommandLine Parse(std::vector<std::string_view> arguments) { return ParseArguments(arguments); }

TEST(ParseArgumentsTest, ReadsTheRunsSettings) {
  const struct {
    std::vector<std::string_view> arguments;
    bool filter_on;
    std::string filter_text;
    bool paging_on;
    std::string links_per_page_text;
    std::string folder;
    bool null_terminated = false;
  } kCases[] = {
      {{"dir"}, false, "", false, "95", "dir"},
      {{"-0", "dir"}, false, "", false, "95", "dir", true},
      {{"dir", "--null"}, false, "", false, "95", "dir", true},
      {{"--filter", ".pdf", "dir"}, true, ".pdf", false, "95", "dir"},
      {{"--filter", "", "dir"}, true, "", false, "95", "dir"},
      {{"--filter=--paging", "dir"}, true, "--paging", false, "95", "dir"},
      {{"dir", "--paging", "--links-per-page", "3"}, false, "", true, "3", "dir"},
      {{"--links-per-page=abc", "dir"}, false, "", false, "abc", "dir"},
      {{"--links-per-page", "-4", "dir"}, false, "", false, "-4", "dir"},
      {{"--", "-dir"}, false, "", false, "95", "-dir"},
      {{"-0", "--", "--"}, false, "", false, "95", "--", true},
      {{"--", "-h"}, false, "", false, "95", "-h"},
      {{"-"}, false, "", false, "95", "-"},
  };
  for (const auto& c : kCases) {
    const CommandLine command = Parse(c.arguments);
    SCOPED_TRACE(c.folder + " " + command.usage_error);
    EXPECT_EQ(command.action, Action::kRun);
    EXPECT_EQ(command.run.filter_on, c.filter_on);
    EXPECT_EQ(command.run.filter_text, c.filter_text);
    EXPECT_EQ(command.run.paging_on, c.paging_on);
    EXPECT_EQ(command.run.links_per_page_text, c.links_per_page_text);
    EXPECT_EQ(command.run.folder_path, c.folder);
    EXPECT_EQ(command.null_terminated, c.null_terminated);
  }
}

TEST(ParseArgumentsTest, RejectsMistakesWithAReason) {
  const struct {
    std::vector<std::string_view> arguments;
    std::string usage_error;
  } kCases[] = {
      {{}, "no folder given"},
      {{"--paging"}, "no folder given"},
      {{"a", "b"}, "more than one folder given"},
      {{"--filter"}, "--filter needs a value"},
      {{"dir", "--links-per-page"}, "--links-per-page needs a value"},
      {{"--verbose", "dir"}, "unknown option --verbose"},
      {{"-x", "dir"}, "unknown option -x"},
      {{"--paging=1", "dir"}, "--paging takes no value"},
      {{"--null=1", "dir"}, "--null takes no value"},
      {{""}, "the folder is an empty text"},
      {{" "}, "the folder is blank"},
      {{"--paging", " \t "}, "the folder is blank"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.usage_error);
    const CommandLine command = Parse(c.arguments);
    EXPECT_EQ(command.action, Action::kUsageError);
    EXPECT_EQ(command.usage_error, c.usage_error);
  }
}

TEST(ParseArgumentsTest, HelpAndVersionWinOverEverythingElse) {
  EXPECT_EQ(Parse({"--help"}).action, Action::kHelp);
  EXPECT_EQ(Parse({"dir", "-h", "--bogus"}).action, Action::kHelp);
  EXPECT_EQ(Parse({"dir", "--version"}).action, Action::kVersion);
  EXPECT_EQ(Parse({"--filter", "--help", "dir"}).action, Action::kRun);
}

TEST(ParseArgumentsTest, SlashQuestionMarkIsHelpOnWindowsOnly) {
#ifdef _WIN32
  EXPECT_EQ(Parse({"/?"}).action, Action::kHelp);
  EXPECT_EQ(Parse({"dir", "/?"}).action, Action::kHelp);
#else
  EXPECT_EQ(Parse({"/?"}).run.folder_path, "/?");
#endif
  EXPECT_EQ(Parse({"--", "/?"}).run.folder_path, "/?");
}

}  // namespace
}  // namespace quillfold
