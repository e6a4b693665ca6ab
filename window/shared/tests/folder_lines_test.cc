#include "window/shared/folder_lines.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace quillfold {
namespace {

// Names in byte order: each system passes its own comparison.
const NameLess ByBytes = std::less<std::string>();

TEST(FolderLinesTest, PathDownToTheOpenFolderThenSortedSubfolders) {
  struct Case {
    std::string open_folder;
    PathStyle style;
    std::vector<std::string> subfolders;
    std::vector<FolderLine> lines;
  };
  const Case cases[] = {
      {"/",
       PathStyle::kPosix,
       {"usr", "bin"},
       {{"/", "/", 0, true}, {"/bin", "bin", 1, false}, {"/usr", "usr", 1, false}}},
      {"/home/ann",
       PathStyle::kPosix,
       {"b", "A"},
       {{"/", "/", 0, true},
        {"/home", "home", 1, true},
        {"/home/ann", "ann", 2, true},
        {"/home/ann/A", "A", 3, false},
        {"/home/ann/b", "b", 3, false}}},
      // A backslash is part of a POSIX name.
      {"/a\\b", PathStyle::kPosix, {}, {{"/", "/", 0, true}, {"/a\\b", "a\\b", 1, true}}},
      {"C:\\",
       PathStyle::kWindows,
       {"Windows", "Users"},
       {{"C:\\", "C:\\", 0, true},
        {"C:\\Users", "Users", 1, false},
        {"C:\\Windows", "Windows", 1, false}}},
      {"C:\\Users\\Ann",
       PathStyle::kWindows,
       {"Documents"},
       {{"C:\\", "C:\\", 0, true},
        {"C:\\Users", "Users", 1, true},
        {"C:\\Users\\Ann", "Ann", 2, true},
        {"C:\\Users\\Ann\\Documents", "Documents", 3, false}}},
      // Windows takes "/" between names too; the lines use its own "\".
      {"d:/data/x",
       PathStyle::kWindows,
       {},
       {{"d:\\", "d:\\", 0, true}, {"d:\\data", "data", 1, true}, {"d:\\data\\x", "x", 2, true}}},
      {"\\\\server\\share\\docs",
       PathStyle::kWindows,
       {"old"},
       {{"\\\\server\\share\\", "\\\\server\\share\\", 0, true},
        {"\\\\server\\share\\docs", "docs", 1, true},
        {"\\\\server\\share\\docs\\old", "old", 2, false}}},
      // A drive without its separator still gets a root that ends in one.
      {"E:", PathStyle::kWindows, {"a"}, {{"E:\\", "E:\\", 0, true}, {"E:\\a", "a", 1, false}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FolderLines(c.open_folder, c.subfolders, c.style, ByBytes), c.lines) << c.open_folder;
  }
}

TEST(FolderLinesTest, PathLinesAloneForAFolderThatCannotBeRead) {
  const std::vector<FolderLine> expected{{"C:\\", "C:\\", 0, true},
                                         {"C:\\locked", "locked", 1, true}};
  EXPECT_EQ(FolderPathLines("C:\\locked", PathStyle::kWindows), expected);
  EXPECT_EQ(FolderLines("C:\\locked", {}, PathStyle::kWindows, ByBytes), expected);
}

TEST(FolderLinesTest, SubfoldersFollowTheGivenOrder) {
  // A system's own comparison decides: here longest first.
  const auto longest_first = [](const std::string& a, const std::string& b) {
    return a.size() > b.size();
  };
  const std::vector<FolderLine> lines =
      FolderLines("/x", {"bb", "a", "ccc"}, PathStyle::kPosix, longest_first);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[2].name, "ccc");
  EXPECT_EQ(lines[3].name, "bb");
  EXPECT_EQ(lines[4].name, "a");
}

}  // namespace
}  // namespace quillfold
