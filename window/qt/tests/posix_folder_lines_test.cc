#include "window/qt/posix_folder_lines.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "runtime/error.h"
#include "testing/temp_folder.h"

namespace quillfold {
namespace {

using testing::TempFolder;

void MakeFolder(const std::string& path) { ASSERT_EQ(mkdir(path.c_str(), 0755), 0) << path; }

std::vector<std::string> SubfolderNames(const std::vector<FolderLine>& lines) {
  std::vector<std::string> names;
  for (const FolderLine& line : lines) {
    if (!line.open) names.push_back(line.name);
  }
  return names;
}

TEST(PosixFolderLinesTest, SubfoldersSortedIgnoringCaseWithoutDotFoldersOrFiles) {
  TempFolder temp;
  for (const char* name :
       {"gamma", "Beta", "alpha", "beta", ".hidden", "Zulu", "_under", "9lives"}) {
    MakeFolder(temp / name);
  }
  testing::WriteFile(temp / "file.txt", "");
  testing::WriteFile(temp / "Folderish", "");
  ASSERT_EQ(symlink("alpha", (temp / "link-to-folder").c_str()), 0);
  ASSERT_EQ(symlink("file.txt", (temp / "link-to-file").c_str()), 0);
  ASSERT_EQ(symlink("missing", (temp / "dangling").c_str()), 0);

  const std::vector<FolderLine> lines = PosixFolderLines(temp.path());
  // Names equal but for case keep their byte order: "Beta" before "beta".
  EXPECT_EQ(SubfolderNames(lines),
            (std::vector<std::string>{"9lives", "_under", "alpha", "Beta", "beta", "gamma",
                                      "link-to-folder", "Zulu"}));
  const int depth = lines.back().depth;
  for (const FolderLine& line : lines) {
    if (line.open) continue;
    EXPECT_EQ(line.path, temp / line.name);
    EXPECT_EQ(line.depth, depth);
  }
}

TEST(PosixFolderLinesTest, RootHasNoDoubleSlash) {
  const std::vector<FolderLine> lines = PosixFolderLines("/");
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines.front(), (FolderLine{"/", "/", 0, true}));
  for (std::size_t i = 1; i < lines.size(); ++i) {
    EXPECT_FALSE(lines[i].open);
    EXPECT_EQ(lines[i].depth, 1);
    EXPECT_EQ(lines[i].path, "/" + lines[i].name);
    EXPECT_NE(lines[i].name.front(), '.');
  }
}

TEST(PosixFolderLinesTest, NamesKeepTheirBytes) {
  TempFolder temp;
  const std::string latin1 = "caf\xe9";       // Not UTF-8: must still open.
  const std::string umlaut = "\xc3\x84pfel";  // "Äpfel" in UTF-8.
  MakeFolder(temp / latin1);
  MakeFolder(temp / umlaut);
  const std::vector<FolderLine> lines = PosixFolderLines(temp.path());
  std::vector<std::string> names = SubfolderNames(lines);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{latin1, umlaut}));
  for (const FolderLine& line : lines) {
    if (!line.open) {
      EXPECT_NO_THROW(PosixFolderLines(line.path)) << line.path;
    }
  }
}

TEST(PosixFolderLinesTest, FolderThatCannotBeReadRaisesItsFileError) {
  TempFolder temp;
  testing::WriteFile(temp / "plain", "");
  struct Case {
    std::string path;
    int number;
  };
  for (const Case& c : {Case{temp / "gone", kPathNotFound}, Case{temp / "plain", kPathNotFound}}) {
    try {
      PosixFolderLines(c.path);
      ADD_FAILURE() << c.path << " listed";
    } catch (const Error& error) {
      EXPECT_EQ(error.number(), c.number) << c.path;
      EXPECT_NE(error.detail().find(c.path), std::string::npos) << error.detail();
    }
  }
}

}  // namespace
}  // namespace quillfold
