#include "window/win32/window_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/error.h"
#include "testing/temp_folder.h"

namespace quillfold {
namespace {

using testing::TempFolder;

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
  for (const Case& c : cases) EXPECT_EQ(ShownName(c.name), c.shown) << c.name;
}

TEST(WindowTextTest, ErrorBoxGivesNumberTextAndDetail) {
  struct Case {
    Error error;
    std::wstring text;
  };
  const Case cases[] = {
      {Error(kPathNotFound, "C:\\gone"), L"Error 76: Path not found\r\n\r\nC:\\gone"},
      {Error(kPathNotFound, "C:\\a\u202Eb\tc"),
       L"Error 76: Path not found\r\n\r\nC:\\a<U+202E>b<U+0009>c"},
      {Error(kTypeMismatch, "links per page: abc"),
       L"Error 13: Type mismatch\r\n\r\nlinks per page: abc"},
      {Error(kCannotStartBrowser, "no browser opened C:\\\xc3\xa9\\readme.html"),
       L"Error 429: Can't start the browser\r\n\r\nno browser opened C:\\\u00e9\\readme.html"},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorBoxText(c.error), c.text) << c.error.number();
}

TEST(WindowTextTest, FolderNamesSortIgnoringCaseBeyondAscii) {
  // Each name sorts strictly before the next. The file system compares
  // upper case, so "_" (after "Z") follows the letters.
  const std::vector<std::string> ordered{
      "9lives",
      "alpha",
      "Beta",
      "beta",
      "gamma",
      "Zulu",
      "_under",
      // U+00C4 and U+00E4 are one letter but for case.
      "\xc3\x84pfel",
      "\xc3\xa4pfel",
  };
  for (std::size_t i = 0; i < ordered.size(); ++i) {
    EXPECT_FALSE(LessIgnoringCaseWide(ordered[i], ordered[i])) << ordered[i];
    for (std::size_t j = i + 1; j < ordered.size(); ++j) {
      EXPECT_TRUE(LessIgnoringCaseWide(ordered[i], ordered[j])) << ordered[i] << " " << ordered[j];
      EXPECT_FALSE(LessIgnoringCaseWide(ordered[j], ordered[i])) << ordered[j] << " " << ordered[i];
    }
  }
}

TEST(WindowTextTest, FolderLinesListSubfoldersNotFiles) {
  TempFolder temp;
  for (const char* name : {"gamma", "Beta", "alpha", ".git", "\xc3\xa4pfel"}) {
    testing::MakeFolder(temp / name);
  }
  testing::WriteFile(temp / "file.txt", "");
  const std::vector<FolderLine> lines = WindowsFolderLines(temp.path());
  std::vector<std::string> names;
  int depth = -1;
  for (const FolderLine& line : lines) {
    if (line.open) {
      depth = line.depth + 1;
      continue;
    }
    names.push_back(line.name);
    EXPECT_EQ(line.depth, depth) << line.name;
    EXPECT_EQ(line.path, temp / line.name);
  }
  EXPECT_EQ(names, (std::vector<std::string>{".git", "alpha", "Beta", "gamma", "\xc3\xa4pfel"}));
  EXPECT_EQ(lines.front().depth, 0);
  EXPECT_EQ(lines.front().path.size(), 3u) << lines.front().path;  // "C:\".
}

TEST(WindowTextTest, FolderThatCannotBeReadRaisesItsError) {
  TempFolder temp;
  try {
    WindowsFolderLines(temp / "gone");
    ADD_FAILURE() << "listed a missing folder";
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), kPathNotFound);
  }
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
