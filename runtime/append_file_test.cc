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

TEST(AppendFileTest, AddsAfterExistingBytesOnARealDisk) {
  TempFolder folder;
  const std::string path = folder / "index1.html";
  WriteFile(path, "old content without line end");
  AppendFile file(SystemDisk(), path);
  file.buffer() = "new";
  file.Close();
  EXPECT_EQ(ReadFile(path), "old content without line endnew");
}

TEST(AppendFileTest, CreatesAMissingFile) {
  TempFolder folder;
  AppendFile file(SystemDisk(), folder / "index1.html");
  file.Close();
  EXPECT_EQ(ReadFile(folder / "index1.html"), "");
}

TEST(AppendFileTest, OpenFailureNamesTheFile) {
  TempFolder folder;
  const std::string path = folder / "missing" + kPathSeparator + "index1.html";
  try {
    AppendFile file(SystemDisk(), path);
    FAIL() << "no error raised";
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), 76);
    EXPECT_EQ(error.detail(), path + ": " + SystemErrorText(testing::kNotFoundCode));
  }
}

TEST(AppendFileTest, ShortWritesAreContinued) {
  FakeDisk disk;
  disk.max_write = 3;
  AppendFile file(disk, "f");
  file.buffer() = "0123456789";
  std::size_t written;
  EXPECT_EQ(file.TryFlush(written), 0);
  EXPECT_EQ(written, 10u);
  EXPECT_EQ(disk.files["f"], "0123456789");
}

TEST(AppendFileTest, AFullDiskReportsHowMuchArrived) {
  FakeDisk disk;
  disk.space = 4;
  AppendFile file(disk, "f");
  file.buffer() = "0123456789";
  std::size_t written;
  EXPECT_EQ(file.TryFlush(written), testing::kDiskFullCode);
  EXPECT_EQ(written, 4u);
  EXPECT_EQ(disk.files["f"], "0123");
}

TEST(AppendFileTest, CloseRaisesAFailedWriteAndStillReleasesTheFile) {
  FakeDisk disk;
  disk.space = 0;
  AppendFile file(disk, "f");
  file.buffer() = "x";
  EXPECT_THROW(file.Close(), Error);
  EXPECT_EQ(disk.open_now(), 0);
}

TEST(AppendFileTest, CloseRaisesAFailedClose) {
  FakeDisk disk;
  disk.close_error = testing::kIoErrorCode;
  AppendFile file(disk, "f");
  file.buffer() = "x";
  try {
    file.Close();
    FAIL() << "no error raised";
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), 57);
  }
  EXPECT_EQ(disk.files["f"], "x");
}

}  // namespace
}  // namespace quillfold
