// A run keeps to the folder it opened at its start: the folder swapped for
// a link, renamed or replaced while the run writes, or a second run started
// meanwhile, changes nothing of where its pages go. The faults strike at
// the moment a page file is about to be opened, on the real file system.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "generation/generate_indexes.h"
#include "runtime/error.h"
#include "testing/fake_run.h"
#include "testing/folder_snapshot.h"
#include "testing/generation_run.h"
#include "testing/temp_folder.h"

namespace quillfold {
namespace {

using testing::FakeRun;
using testing::FirstDifference;
using testing::FolderBytes;
using testing::Grown;
using testing::ListingOrder;
using testing::Log;
using testing::Records;
using testing::SnapshotFolder;
using testing::TempFolder;
using testing::WriteFile;

// The system's disk, with `strike` run once, just before the file `page`
// is opened.
class StrikingDisk : public Disk {
 public:
  StrikingDisk(std::string page, std::function<void()> strike)
      : page_(std::move(page)), strike_(std::move(strike)) {}

  int OpenFolder(const std::string& path, FolderHandle& folder) override {
    return real_.OpenFolder(path, folder);
  }
  int LockFolder(FolderHandle folder, bool& taken) override {
    return real_.LockFolder(folder, taken);
  }
  int CloseFolder(FolderHandle folder) override { return real_.CloseFolder(folder); }
  int ListFolder(FolderHandle folder, EntryKind kind,
                 const std::function<void(std::string_view name)>& add) override {
    return real_.ListFolder(folder, kind, add);
  }
  int OpenForAppend(FolderHandle folder, const std::string& name, FileHandle& file,
                    bool& made) override {
    if (strike_ && name == page_) std::exchange(strike_, nullptr)();
    return real_.OpenForAppend(folder, name, file, made);
  }
  int RemoveMade(FolderHandle folder, const std::string& name, FileHandle file) override {
    return real_.RemoveMade(folder, name, file);
  }
  int OpenFilteredForAppend(FolderHandle folder, const std::string& name,
                            FileHandle& file) override {
    return real_.OpenFilteredForAppend(folder, name, file);
  }
  int Status(FileHandle file, FileStatus& status) override { return real_.Status(file, status); }
  int LinkStatus(FolderHandle folder, const std::string& name, FileStatus& status) override {
    return real_.LinkStatus(folder, name, status);
  }
  int Write(FileHandle file, std::string_view data, std::size_t& written) override {
    return real_.Write(file, data, written);
  }
  int Truncate(FileHandle file, std::int64_t length) override {
    return real_.Truncate(file, length);
  }
  int Close(FileHandle file) override { return real_.Close(file); }

  bool struck() const { return !strike_; }

 private:
  Disk& real_ = SystemDisk();
  std::string page_;
  std::function<void()> strike_;
};

TEST(RunFolderTest, AFolderMovedAwayDuringTheRunKeepsEveryPage) {
  const struct {
    std::string what;
    // Moves the run's folder `folder` away, to `moved`, and puts something
    // else in its place that leads to the folder `other`.
    std::function<void(const TempFolder& base)> move;
  } kMoves[] = {
      {"swapped for a link to another folder",
       [](const TempFolder& base) {
         ASSERT_EQ(symlink((base / "other").c_str(), (base / "moved").c_str()), 0);
         ASSERT_EQ(renameat2(AT_FDCWD, (base / "folder").c_str(), AT_FDCWD,
                             (base / "moved").c_str(), RENAME_EXCHANGE),
                   0);
       }},
      {"renamed, and another folder renamed to its name",
       [](const TempFolder& base) {
         ASSERT_EQ(rename((base / "folder").c_str(), (base / "moved").c_str()), 0);
         ASSERT_EQ(rename((base / "other").c_str(), (base / "folder").c_str()), 0);
       }},
  };
  const struct {
    std::string what;
    bool paging_on;
    std::string page;  // The page whose opening the move comes before.
  } kRuns[] = {{"paging off", false, "index1.html"}, {"paging on", true, "index2.html"}};
  for (const auto& move : kMoves) {
    for (const auto& run : kRuns) {
      SCOPED_TRACE(move.what + ", " + run.what);
      TempFolder base;
      testing::MakeFolder(base / "folder");
      testing::MakeFolder(base / "other");
      for (const char* name : {"a", "b", "c", "index1.html"})
        WriteFile(base / "folder/" + name, name);
      WriteFile(base / "other/index1.html", "the other folder's page");
      const std::vector<std::string> order = ListingOrder(base / "folder");
      const FolderBytes before = SnapshotFolder(base / "folder");
      const FolderBytes other_before = SnapshotFolder(base / "other");
      StrikingDisk disk(run.page, [&] { move.move(base); });
      FakeRun inputs;
      inputs.folder_path = base / "folder";
      inputs.paging_on = run.paging_on;
      inputs.links_per_page_text = "2";
      ASSERT_EQ(testing::RunGeneration(inputs, disk), 0);
      ASSERT_TRUE(disk.struck());

      FolderBytes added{{"index1.html", Records(order)}};
      if (run.paging_on) {
        added = {{"index1.html", Records({order[0], order[1]})},
                 {"index2.html", Records({order[2], order[3]})},
                 {"index.html", Records({"index1.html", "index2.html"})}};
      }
      EXPECT_EQ(inputs.log, Log(order));
      EXPECT_EQ(FirstDifference(Grown(before, added), SnapshotFolder(base / "moved")), "");
      EXPECT_EQ(FirstDifference(other_before, SnapshotFolder(base / "folder")), "");
    }
  }
}

TEST(RunFolderTest, ASecondRunInTheSameFolderFailsAtOnceAndWritesNothing) {
  TempFolder folder;
  for (const char* name : {"a", "b", "c"}) WriteFile(folder / name, name);
  const std::vector<std::string> order = ListingOrder(folder.path());
  const FolderBytes before = SnapshotFolder(folder.path());
  FakeRun second;
  second.folder_path = folder.path();
  second.paging_on = true;
  int second_error = 0;
  std::string second_detail;
  StrikingDisk disk("index1.html", [&] {
    try {
      GenerateIndexes(second, second, SystemDisk());
    } catch (const Error& error) {
      second_error = error.number();
      second_detail = error.detail();
    }
  });
  FakeRun first;
  first.folder_path = folder.path();
  first.paging_on = true;
  ASSERT_EQ(testing::RunGeneration(first, disk), 0);

  EXPECT_EQ(second_error, 70);
  EXPECT_EQ(second_detail, "another Quillfold run is writing in " + folder.path());
  EXPECT_EQ(second.log, "");
  EXPECT_EQ(FirstDifference(Grown(before, {{"index1.html", Records(order)},
                                           {"index.html", Records({"index1.html"})}}),
                            SnapshotFolder(folder.path())),
            "");
  // The lock ends with the run.
  FakeRun third;
  third.folder_path = folder.path();
  EXPECT_EQ(testing::RunGeneration(third), 0);
}

}  // namespace
}  // namespace quillfold
