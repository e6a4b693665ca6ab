#include "window/win32/window_arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillfold {
namespace {

using Action = WindowArguments::Action;

TEST(WindowArgumentsTest, HelpFolderAndMistakes) {
  const struct {
    std::vector<std::string> arguments;
    Action action;
    std::string folder;
    std::string usage_error;
  } cases[] = {
      {{}, Action::kStart, "", ""},
      {{"-x"}, Action::kStart, "-x", ""},
      {{"/?"}, Action::kHelp, "", ""},
      {{"C:\\Photos", "-h"}, Action::kHelp, "", ""},
      {{"--help"}, Action::kHelp, "", ""},
      // After "--" every argument is a folder.
      {{"--", "-h"}, Action::kStart, "-h", ""},
      {{"--", "a", "--"}, Action::kUsageError, "", "more than one folder given"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.arguments));
    const WindowArguments parsed = ParseWindowArguments(c.arguments);
    EXPECT_EQ(parsed.action, c.action);
    EXPECT_EQ(parsed.folder, c.folder);
    EXPECT_EQ(parsed.usage_error, c.usage_error);
  }
}

}  // namespace
}  // namespace quillfold
