#include "runtime/append_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <type_traits>

#include "runtime/error.h"
#include "testing/fake_disk.h"
#include "testing/system_values.h"
#include "testing/temp_folder.h"

namespace quillfold {
namespace {

using testing::FakeDisk;
using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

// An open folder is never taken for an open file, nor the other way round.
static_assert(!std::is_convertible_v<FolderHandle, FileHandle> &&
              !std::is_convertible_v<FileHandle, FolderHandle> &&
              !std::is_convertible_v<int, FileHandle>);

// The file "f" in the folder "d" of a fake disk.
const std::string kFile = std::string("d") + kPathSeparator + "f";

Folder FakeFolder(FakeDisk& disk) {
  disk.AddFolder("d", {});
  return Folder(disk, "d");
}

TEST(AppendFileTest, AddsAfterExistingBytesOnARealDisk) {
  TempFolder folder;
  const std::string path = folder / "index1.html";
  WriteFile(path, "old content without line end");
  const Folder open_folder(SystemDisk(), folder.path());
  AppendFile file(open_folder, "index1.html");
  file.buffer() = "new";
  file.Close();
  EXPECT_EQ(ReadFile(path), "old content without line endnew");
}

TEST(AppendFileTest, CreatesAMissingFile) {
  TempFolder folder;
  const Folder open_folder(SystemDisk(), folder.path());
  AppendFile file(open_folder, "index1.html");
  file.Close();
  EXPECT_EQ(ReadFile(folder / "index1.html"), "");
}

TEST(AppendFileTest, OpenFailureNamesTheFile) {
  TempFolder folder;
  const std::string path = folder / "missing" + kPathSeparator + "index1.html";
  const Folder open_folder(SystemDisk(), folder.path());
  try {
    AppendFile file(open_folder, "missing" + std::string(1, kPathSeparator) + "index1.html");
    FAIL() << "no error raised";
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), 76);
    EXPECT_EQ(error.detail(), path + ": " + SystemErrorText(testing::kNotFoundCode));
  }
}

TEST(AppendFileTest, ShortWritesAreContinued) {
  FakeDisk disk;
  disk.max_write = 3;
  const Folder folder = FakeFolder(disk);
  AppendFile file(folder, "f");
  file.buffer() = "0123456789";
  std::size_t written;
  EXPECT_EQ(file.TryFlush(written), 0);
  EXPECT_EQ(written, 10u);
  EXPECT_EQ(disk.files[kFile], "0123456789");
}

TEST(AppendFileTest, AFullDiskReportsHowMuchArrived) {
  FakeDisk disk;
  disk.space = 4;
  const Folder folder = FakeFolder(disk);
  AppendFile file(folder, "f");
  file.buffer() = "0123456789";
  std::size_t written;
  EXPECT_EQ(file.TryFlush(written), testing::kDiskFullCode);
  EXPECT_EQ(written, 4u);
  EXPECT_EQ(disk.files[kFile], "0123");
}

TEST(AppendFileTest, CloseRaisesAFailedWriteAndStillReleasesTheFile) {
  FakeDisk disk;
  disk.space = 0;
  const Folder folder = FakeFolder(disk);
  AppendFile file(folder, "f");
  file.buffer() = "x";
  EXPECT_THROW(file.Close(), Error);
  EXPECT_EQ(disk.open_now(), 0);
}

TEST(AppendFileTest, CloseRaisesAFailedClose) {
  FakeDisk disk;
  disk.close_error = testing::kIoErrorCode;
  const Folder folder = FakeFolder(disk);
  AppendFile file(folder, "f");
  file.buffer() = "x";
  try {
    file.Close();
    FAIL() << "no error raised";
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), 57);
  }
  EXPECT_EQ(disk.files[kFile], "x");
}

// A file a file system filter keeps (a OneDrive placeholder) is appended
// to through its filter, as long as it is still the file first examined.
TEST(AppendFileTest, AFilteredFileIsOpenedThroughItsFilterIfStillTheSameFile) {
  const struct {
    const char* what;
    bool replaced;  // Another file takes the name between the two opens.
    std::string error_detail;
  } kCases[] = {
      {"the same file", false, ""},
      {"replaced meanwhile", true, kFile + " was replaced while it was opened"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    FakeDisk disk;
    const Folder folder = FakeFolder(disk);
    disk.files[kFile] = "old";
    disk.kinds[kFile] = FileKind::kFilteredFile;
    if (c.replaced) disk.before_filtered_open = [&disk] { disk.ids[kFile] = 42; };
    try {
      AppendFile file(folder, "f");
      file.buffer() = "new";
      file.Close();
      EXPECT_EQ(c.error_detail, "");
    } catch (const Error& error) {
      EXPECT_EQ(error.number(), 75);
      EXPECT_EQ(error.detail(), c.error_detail);
    }
    EXPECT_EQ(disk.filtered_opens, 1);
    EXPECT_EQ(disk.files[kFile], c.replaced ? "old" : "oldnew");
    EXPECT_EQ(disk.open_now(), 0);
  }
}

// A failure before any byte of the file stays removes a file the open made,
// and only such a file.
TEST(AppendFileTest, AFailedFileThatWasMadeEmptyIsRemovedAgain) {
  const struct {
    const char* what;
    bool existed;  // The file was there, empty, before.
    int status_error;
    std::size_t space;  // Bytes of the record the disk takes.
    bool cut_back;      // The record is cut off again.
    bool kept;
  } kCases[] = {
      {"its status refused", false, testing::kIoErrorCode, 2, false, false},
      {"the disk full", false, 0, 0, false, false},
      {"the record cut off", false, 0, 1, true, false},
      {"a byte stayed", false, 0, 1, false, true},
      {"it was there", true, 0, 0, false, true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    FakeDisk disk;
    const Folder folder = FakeFolder(disk);
    if (c.existed) disk.files[kFile] = "";
    if (c.status_error != 0) disk.status_errors[kFile] = c.status_error;
    disk.space = c.space;
    try {
      // Left without Close, as a run leaves a file its failure hit.
      AppendFile file(folder, "f");
      file.buffer() = "xy";
      std::size_t written;
      file.TryFlush(written);
      if (c.cut_back) file.CutBack(0);
    } catch (const Error& error) {
      EXPECT_EQ(error.number(), 57);
    }
    EXPECT_EQ(disk.files.count(kFile), c.kept ? 1u : 0u);
    EXPECT_EQ(disk.open_now(), 0);
  }
}

// The system's own removal, and a file it did not make left alone.
TEST(AppendFileTest, OnARealDiskOnlyAFileTheOpenMadeIsRemoved) {
  TempFolder folder;
  WriteFile(folder / "old.html", "");
  const Folder open_folder(SystemDisk(), folder.path());
  { AppendFile made(open_folder, "new.html"); }
  { AppendFile old(open_folder, "old.html"); }
  EXPECT_FALSE(std::filesystem::exists(folder / "new.html"));
  EXPECT_TRUE(std::filesystem::exists(folder / "old.html"));
}

}  // namespace
}  // namespace quillfold
