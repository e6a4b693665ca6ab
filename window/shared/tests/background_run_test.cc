#include "window/shared/background_run.h"

#include <gtest/gtest.h>

#include <new>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "runtime/list_folder_files.h"
#include "runtime/path.h"
#include "testing/fake_disk.h"
#include "testing/system_values.h"
#include "window/shared/folder_listing.h"

namespace quillfold {
namespace {

std::string InSite(const std::string& name) {
  return std::string(testing::kSiteFolder) + kPathSeparator + name;
}

// What the window's thread gets once the run has ended: its error and its
// log, and one call of `ended` from the run's own thread.
TEST(BackgroundRunTest, HandsTheRunsErrorAndLogToTheWindowsThread) {
  const struct {
    const char* what;
    std::size_t space;  // Bytes the disk takes.
    const char* folder;
    std::string links_per_page;
    std::optional<int> error;
    bool cleared;
    std::string log;
    std::string page;
  } kCases[] = {
      {"every record written", SIZE_MAX, "site", "95", std::nullopt, true, "a\nb\n",
       "<body>\r\n<p><a href=\"a\">a</a></p>\r\n<p></p>\r\n<body>\r\n"
       "<body>\r\n<p><a href=\"b\">b</a></p>\r\n<p></p>\r\n<body>\r\n"},
      // The failing record's name ends the log, as the engine logs it.
      {"a full disk", 5, "site", "95", kDiskFull, true, "a\n", ""},
      {"a missing folder", SIZE_MAX, "gone", "95", kPathNotFound, true, "", ""},
      // Failed before clearing: the window keeps the last run's log.
      {"no number", SIZE_MAX, "site", "abc", kTypeMismatch, false, "", ""},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    testing::FakeDisk disk;
    disk.AddFolder(std::string(testing::kSiteFolder), {"a", "b"});
    disk.space = c.space;
    std::string folder = std::string(testing::kRootFolder) + c.folder;
    std::vector<std::thread::id> ended_on;
    BackgroundRun run({folder, false, "", true, c.links_per_page}, disk,
                      [&ended_on] { ended_on.push_back(std::this_thread::get_id()); });
    const std::optional<Error> failure = run.Finish();
    EXPECT_EQ(failure ? std::optional(failure->number()) : std::nullopt, c.error);
    EXPECT_EQ(run.log().cleared(), c.cleared);
    EXPECT_EQ(run.log().text(), c.log);
    EXPECT_EQ(disk.files[InSite("index1.html")], c.page);
    ASSERT_EQ(ended_on.size(), 1u);
    EXPECT_NE(ended_on.front(), std::this_thread::get_id());
  }
}

// A disk that runs out of memory when asked for the folder.
struct NoMemoryDisk : testing::FakeDisk {
  int OpenFolder(const std::string&, FolderHandle&) override { throw std::bad_alloc(); }
};

TEST(BackgroundRunTest, RaisesAnyOtherExceptionOnTheWindowsThread) {
  NoMemoryDisk disk;
  bool ended = false;
  BackgroundRun run({std::string(testing::kSiteFolder), false, "", false, "95"}, disk,
                    [&ended] { ended = true; });
  EXPECT_THROW(run.Finish(), std::bad_alloc);
  EXPECT_TRUE(ended);
}

// A listing hands the window's thread what it listed, or raises its error
// there, after one call of `ended` from its own thread.
TEST(BackgroundRunTest, AListingHandsItsLinesOrErrorToTheWindowsThread) {
  const struct {
    const char* what;
    const char* folder;
    std::optional<int> error;
  } kCases[] = {{"listed", "site", std::nullopt}, {"missing", "gone", kPathNotFound}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    testing::FakeDisk disk;
    disk.AddFolder(std::string(testing::kSiteFolder), {"a"});
    const std::string folder = std::string(testing::kRootFolder) + c.folder;
    std::vector<std::thread::id> ended_on;
    FolderListing listing(
        [&] {
          ListSubfolders(folder, disk);
          return ListedFolder{folder, {}};
        },
        [&ended_on] { ended_on.push_back(std::this_thread::get_id()); });
    std::optional<int> error;
    try {
      EXPECT_EQ(listing.Finish().folder, folder);
    } catch (const Error& raised) {
      error = raised.number();
    }
    EXPECT_EQ(error, c.error);
    ASSERT_EQ(ended_on.size(), 1u);
    EXPECT_NE(ended_on.front(), std::this_thread::get_id());
  }
}

}  // namespace
}  // namespace quillfold
