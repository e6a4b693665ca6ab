#include "window/win32/window_text.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/error.h"

namespace quillfold {
namespace {

TEST(WindowTextTest, NamesShowInUtf16AsShown) {
  struct Case {
    std::string name;
    std::wstring shown;
  };
  const Case cases[] = {
      {"", L""},
      {"cr\rname.txt", L"cr<U+000D>name.txt"},
      {"\xc3\x84pfel", L"\u00c4pfel"},
      {"\xf0\x9f\x98\x80", L"\U0001F600"},  // A surrogate pair in UTF-16.
  };
  for (const Case& c : cases) EXPECT_EQ(WideShownName(c.name), c.shown) << c.name;
}

TEST(WindowTextTest, LogLinesEndInCrLfInTheEditBox) {
  struct Case {
    std::string text;
    std::wstring edit_box;
  };
  const Case cases[] = {
      {"", L""},
      {"a\n", L"a\r\n"},
      {"a\nb<U+000D>\n", L"a\r\nb<U+000D>\r\n"},
      {"\xc3\xa9\n\n", L"\u00e9\r\n\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(EditBoxText(c.text), c.edit_box) << c.text;
}

// The heading and the detail are ErrorReportOf's; the box puts a blank
// line between them, in UTF-16.
TEST(WindowTextTest, ErrorBoxGivesHeadingBlankLineAndDetail) {
  struct Case {
    Error error;
    std::wstring text;
  };
  const Case cases[] = {
      {Error(kPathNotFound, "C:\\a\u202Eb\tc"),
       L"Error 76: Path not found\r\n\r\nC:\\a<U+202E>b<U+0009>c"},
      {Error(kCannotStartBrowser, "no browser opened C:\\\xc3\xa9\\readme.html"),
       L"Error 429: Can't start the browser\r\n\r\nno browser opened C:\\\u00e9\\readme.html"},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorBoxText(c.error), c.text) << c.error.number();
}

TEST(WindowTextTest, FontHeightAtEachDensity) {
  struct Case {
    double points;
    int dots_per_inch;
    int height;
  };
  const Case cases[] = {
      {9.75, 96, -13}, {9.75, 120, -16}, {9.75, 144, -20}, {9.75, 192, -26}, {8.25, 96, -11},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FontHeight(c.points, c.dots_per_inch), c.height) << c.dots_per_inch;
  }
}

}  // namespace
}  // namespace quillfold
