#include "window/qt/window_arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace quillfold {
namespace {

using Action = WindowArguments::Action;

TEST(WindowArgumentsTest, OwnOptionsQtOptionsFolderAndMistakes) {
  struct Case {
    std::vector<std::string_view> arguments;
    Action action;
    std::string platform;
    std::string display;
    std::string usage_error;
    std::string folder = "";
    std::size_t qt_argument_count = arguments.size();
  };
  const Case cases[] = {
      {{}, Action::kStart, "", "", ""},
      {{"--help"}, Action::kHelp, "", "", ""},
      {{"-h"}, Action::kHelp, "", "", ""},
      {{"--version"}, Action::kVersion, "", "", ""},
      {{"-session", "abc", "--help"}, Action::kHelp, "", "", ""},
      // Qt's options stay for Qt; the two that pick the display are kept.
      {{"-platform", "offscreen"}, Action::kStart, "offscreen", "", ""},
      {{"--platform", "xcb:option"}, Action::kStart, "xcb:option", "", ""},
      {{"-display", ":3"}, Action::kStart, "", ":3", ""},
      {{"-style", "fusion", "-reverse", "-session", "1_2"}, Action::kStart, "", "", ""},
      {{"-style=fusion", "--stylesheet=a.qss", "-qmljsdebugger=port:9"},
       Action::kStart,
       "",
       "",
       ""},
      {{"-geometry", "100x100+0+0", "-title", "x", "-nograb"}, Action::kStart, "", "", ""},
      // A value that looks like an option is still the value, as for Qt.
      {{"-style", "--help"}, Action::kStart, "", "", ""},
      {{"--bogus"}, Action::kUsageError, "", "", "unknown option --bogus"},
      {{"-x"}, Action::kUsageError, "", "", "unknown option -x"},
      {{"--help=1"}, Action::kUsageError, "", "", "unknown option --help=1"},
      {{"-platform=offscreen"}, Action::kUsageError, "", "", "unknown option -platform=offscreen"},
      {{"-qmljsdebugger"}, Action::kUsageError, "", "", "unknown option -qmljsdebugger"},
      {{"-platform"}, Action::kUsageError, "", "", "option -platform needs a value"},
      {{"--display"}, Action::kUsageError, "", "", "option --display needs a value"},
      {{"-platform", ""}, Action::kUsageError, "", "", "option -platform needs a value"},
      // One argument that is no option is the folder to open.
      {{"site"}, Action::kStart, "", "", "", "site"},
      {{"-"}, Action::kStart, "", "", "", "-"},
      {{"-display", ":3", "/srv/My Site"}, Action::kStart, "", ":3", "", "/srv/My Site"},
      {{"site", "-style", "fusion"}, Action::kStart, "", "", "", "site"},
      {{"a", "b"}, Action::kUsageError, "", "", "more than one folder given"},
      {{""}, Action::kUsageError, "", "", "the folder is an empty text"},
      {{"  "}, Action::kUsageError, "", "", "the folder is blank"},
      // After "--" every argument is a folder, and Qt is given none of them.
      {{"--", "-n"}, Action::kStart, "", "", "", "-n", 0},
      {{"-style", "fusion", "--", "--help"}, Action::kStart, "", "", "", "--help", 2},
      {{"--", "--"}, Action::kStart, "", "", "", "--", 0},
      {{"--", "-reverse", "b"}, Action::kUsageError, "", "", "more than one folder given"},
      {{"-h", "--"}, Action::kHelp, "", "", ""},
  };
  for (const Case& c : cases) {
    std::string trace;
    for (std::string_view argument : c.arguments) trace += "[" + std::string(argument) + "]";
    SCOPED_TRACE(trace);
    const WindowArguments parsed = ParseWindowArguments(c.arguments);
    EXPECT_EQ(parsed.action, c.action);
    EXPECT_EQ(parsed.platform, c.platform);
    EXPECT_EQ(parsed.display, c.display);
    EXPECT_EQ(parsed.usage_error, c.usage_error);
    EXPECT_EQ(parsed.folder, c.folder);
    if (c.action == Action::kStart) {
      EXPECT_EQ(parsed.qt_argument_count, c.qt_argument_count);
    }
  }
}

}  // namespace
}  // namespace quillfold
