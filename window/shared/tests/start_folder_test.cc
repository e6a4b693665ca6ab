#include "window/shared/start_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/list_folder_files.h"
#include "runtime/path.h"
#include "testing/fake_disk.h"

namespace quillfold {
namespace {

TEST(StartFolderTest, TheCurrentFolderWhenItCanBeListedElseHome) {
  const struct {
    const char* what;
    StartPlaces places;
    std::string opened;
  } kCases[] = {
      {"current folder listed", {"/srv/site", true, "/home/ann", "/"}, "/srv/site"},
      {"current folder deleted", {"", false, "/home/ann", "/"}, "/home/ann"},
      {"current folder unreadable", {"/srv/locked", false, "/home/ann", "/"}, "/home/ann"},
      {"unreadable, no home", {"/srv/locked", false, "", "/"}, "/srv/locked"},
      {"deleted, no home", {"", false, "", "/"}, "/"},
      {"Windows profile folder",
       {"Z:\\tmp\\gone", false, "C:\\Users\\ann", "C:\\"},
       "C:\\Users\\ann"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(StartFolder(c.places), c.opened);
  }
}

// The folder tried first and the one opened, on a disk where only some
// of the places can be listed.
TEST(StartFolderTest, ListsTheFolderItOpensOrShowsItsPathAlone) {
  const std::string root(testing::kRootFolder);
  const std::string current = root + "work";
  const std::string home = root + "home";
  const PathStyle style = kPathSeparator == '\\' ? PathStyle::kWindows : PathStyle::kPosix;
  const struct {
    const char* what;
    std::string current;
    std::vector<std::string> listable;
    std::string opened;
    std::vector<std::string> subfolders;  // None: the path's lines alone.
  } kCases[] = {
      {"current folder listed", current, {current, home}, current, {"c"}},
      {"current folder unreadable", current, {home}, home, {"h"}},
      {"current folder unnamed", "", {home}, home, {"h"}},
      {"neither listed", current, {}, home, {}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    testing::FakeDisk disk;
    for (const std::string& folder : c.listable) {
      disk.folders[folder] = {{folder == current ? "c" : "h", true}, {"file", false}};
    }
    const ListFolderLines list = [&disk, style](const std::string& folder) {
      const FileNameList names = ListSubfolders(folder, disk);
      std::vector<std::string> subfolders;
      for (std::size_t i = 0; i < names.size(); ++i) subfolders.emplace_back(names[i]);
      return FolderLines(folder, subfolders, style, std::less<std::string>());
    };
    const ListedFolder listed =
        ListStartFolder({.current = c.current, .home = home, .root = root}, list, style);
    EXPECT_EQ(listed.folder, c.opened);
    EXPECT_EQ(listed.lines, FolderLines(c.opened, c.subfolders, style, std::less<std::string>()));
  }
}

}  // namespace
}  // namespace quillfold
