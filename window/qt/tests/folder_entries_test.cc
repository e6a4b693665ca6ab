#include "window/qt/folder_entries.h"

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

std::vector<std::string> SubfolderNames(const std::vector<FolderEntry>& entries) {
  std::vector<std::string> names;
  for (const FolderEntry& entry : entries) {
    if (!entry.open) names.push_back(entry.name);
  }
  return names;
}

TEST(FolderEntriesTest, SubfoldersSortedIgnoringCaseWithoutDotFoldersOrFiles) {
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

  const std::vector<FolderEntry> entries = FolderEntries(temp.path());
  // Names equal but for case keep their byte order: "Beta" before "beta".
  EXPECT_EQ(SubfolderNames(entries),
            (std::vector<std::string>{"9lives", "_under", "alpha", "Beta", "beta", "gamma",
                                      "link-to-folder", "Zulu"}));
  const int depth = entries.back().depth;
  for (const FolderEntry& entry : entries) {
    if (entry.open) continue;
    EXPECT_EQ(entry.path, temp / entry.name);
    EXPECT_EQ(entry.depth, depth);
  }
}

TEST(FolderEntriesTest, RootHasNoDoubleSlash) {
  const std::vector<FolderEntry> entries = FolderEntries("/");
  ASSERT_GE(entries.size(), 2u);
  EXPECT_EQ(entries.front(), (FolderEntry{"/", "/", 0, true}));
  for (std::size_t i = 1; i < entries.size(); ++i) {
    EXPECT_FALSE(entries[i].open);
    EXPECT_EQ(entries[i].depth, 1);
    EXPECT_EQ(entries[i].path, "/" + entries[i].name);
    EXPECT_NE(entries[i].name.front(), '.');
  }
}

TEST(FolderEntriesTest, NamesKeepTheirBytes) {
  TempFolder temp;
  const std::string latin1 = "caf\xe9";       // Not UTF-8: must still open.
  const std::string umlaut = "\xc3\x84pfel";  // "Äpfel" in UTF-8.
  MakeFolder(temp / latin1);
  MakeFolder(temp / umlaut);
  const std::vector<FolderEntry> entries = FolderEntries(temp.path());
  std::vector<std::string> names = SubfolderNames(entries);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{latin1, umlaut}));
  for (const FolderEntry& entry : entries) {
    if (!entry.open) {
      EXPECT_NO_THROW(FolderEntries(entry.path)) << entry.path;
    }
  }
}

TEST(FolderEntriesTest, FolderThatCannotBeReadRaisesItsFileError) {
  TempFolder temp;
  testing::WriteFile(temp / "plain", "");
  struct Case {
    std::string path;
    int number;
  };
  for (const Case& c : {Case{temp / "gone", kPathNotFound}, Case{temp / "plain", kPathNotFound}}) {
    try {
      FolderEntries(c.path);
      ADD_FAILURE() << c.path << " listed";
    } catch (const Error& error) {
      EXPECT_EQ(error.number(), c.number) << c.path;
      EXPECT_NE(error.detail().find(c.path), std::string::npos) << error.detail();
    }
  }
}

}  // namespace
}  // namespace quillfold
