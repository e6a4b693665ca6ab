#include "runtime/append_file.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace quillfold
