#include "window/win32/windows_folder_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/error.h"
#include "testing/temp_folder.h"

namespace quillfold {
namespace {

using testing::TempFolder;

TEST(WindowsFolderLinesTest, FolderNamesSortIgnoringCaseBeyondAscii) {
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

TEST(WindowsFolderLinesTest, FolderLinesListSubfoldersNotFiles) {
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

TEST(WindowsFolderLinesTest, FolderThatCannotBeReadRaisesItsError) {
  TempFolder temp;
  try {
    WindowsFolderLines(temp / "gone");
    ADD_FAILURE() << "listed a missing folder";
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), kPathNotFound);
  }
}

}  // namespace
}  // namespace quillfold
