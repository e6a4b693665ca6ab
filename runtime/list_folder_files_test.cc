#include "runtime/list_folder_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "runtime/error.h"
#include "testing/temp_folder.h"
#include "testing/unprivileged.h"

namespace quillfold {
namespace {

using testing::TempFolder;
using testing::WriteFile;

std::vector<std::string> Names(const FileNameList& list) {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < list.size(); ++i) names.emplace_back(list[i]);
  return names;
}

int ErrorNumberOf(const std::string& folder) {
  try {
    ListFolderFiles(Folder(SystemDisk(), folder));
  } catch (const Error& error) {
    return error.number();
  }
  return 0;
}

TEST(ListFolderFilesTest, ListsFilesAndFoldersApartWithLinksAsWhatTheyPointAt) {
  TempFolder folder;
  WriteFile(folder / "a.txt", "");
  WriteFile(folder / ".hidden", "");
  WriteFile(folder / "index1.html", "old run");
  mkdir((folder / "sub").c_str(), 0755);
  mkdir((folder / ".git").c_str(), 0755);
  ASSERT_EQ(symlink("a.txt", (folder / "link-to-file").c_str()), 0);
  ASSERT_EQ(symlink("sub", (folder / "link-to-folder").c_str()), 0);
  ASSERT_EQ(symlink("nowhere", (folder / "dangling").c_str()), 0);

  std::vector<std::string> names = Names(ListFolderFiles(Folder(SystemDisk(), folder.path())));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{".hidden", "a.txt", "dangling", "index1.html",
                                             "link-to-file"}));

  std::vector<std::string> folders = Names(ListSubfolders(folder.path()));
  std::sort(folders.begin(), folders.end());
  EXPECT_EQ(folders, (std::vector<std::string>{".git", "link-to-folder", "sub"}));
}

TEST(ListFolderFilesTest, KeepsTheSystemsEnumerationOrder) {
  TempFolder folder;
  for (int i = 0; i < 200; ++i) WriteFile(folder / ("f" + std::to_string(i)), "");
  std::vector<std::string> system_order;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    system_order.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(Names(ListFolderFiles(Folder(SystemDisk(), folder.path()))), system_order);
}

TEST(ListFolderFilesTest, KeepsNamesAsBytes) {
  TempFolder folder;
  const std::string latin1_name = "caf\xE9 \x01\n\r.txt";  // Not UTF-8.
  WriteFile(folder / latin1_name, "");
  EXPECT_EQ(Names(ListFolderFiles(Folder(SystemDisk(), folder.path()))),
            std::vector<std::string>{latin1_name});
}

TEST(ListFolderFilesTest, AnEmptyFolderGivesNoNames) {
  TempFolder folder;
  mkdir((folder / "only-a-folder").c_str(), 0755);
  EXPECT_TRUE(ListFolderFiles(Folder(SystemDisk(), folder.path())).empty());
}

TEST(ListFolderFilesTest, APathThatIsNoFolderIsNotFound) {
  TempFolder folder;
  WriteFile(folder / "file", "");
  EXPECT_EQ(ErrorNumberOf(folder / "missing"), 76);
  EXPECT_EQ(ErrorNumberOf(folder / "missing/deeper"), 76);
  EXPECT_EQ(ErrorNumberOf(folder / "file"), 76);
  EXPECT_EQ(ErrorNumberOf(""), 76);
}

TEST(ListFolderFilesTest, AnUnreadableFolderIsPermissionDenied) {
  TempFolder folder;
  const std::string locked = folder / "locked";
  mkdir(locked.c_str(), 0755);
  WriteFile(locked + "/a.txt", "");
  chmod(locked.c_str(), 0311);  // Enterable, but its names cannot be read.
  EXPECT_EQ(testing::RunUnprivileged([&] { return std::to_string(ErrorNumberOf(locked)); }), "70");
}

}  // namespace
}  // namespace quillfold
