// The program's error numbers for errno values.

#include <gtest/gtest.h>

#include <cerrno>

#include "runtime/error.h"

namespace quillfold {
namespace {

TEST(FileErrorTest, NumbersTheSystemsReasons) {
  const struct {
    int errno_value;
    int number;
    std::string_view text;
  } kCases[] = {
      {ENOENT, 76, "Path not found"},
      {ENOTDIR, 76, "Path not found"},
      {EACCES, 70, "Permission denied"},
      {EPERM, 70, "Permission denied"},
      {EROFS, 70, "Permission denied"},
      {ENOSPC, 61, "Disk full"},
      {EDQUOT, 61, "Disk full"},
      {EFBIG, 61, "Disk full"},
      {EMFILE, 67, "Too many files"},
      {ENFILE, 67, "Too many files"},
      {EIO, 57, "Device I/O error"},
      {ENAMETOOLONG, 75, "Path/File access error"},
      {EISDIR, 75, "Path/File access error"},
      {ELOOP, 75, "Path/File access error"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.errno_value);
    const Error error = FileError(c.errno_value, "/f/index1.html");
    EXPECT_EQ(error.number(), c.number);
    EXPECT_EQ(error.text(), c.text);
  }
}

TEST(FileErrorTest, DetailNamesTheFileAndTheReason) {
  EXPECT_EQ(FileError(ENOSPC, "/f/index2.html").detail(),
            "/f/index2.html: No space left on device");
}

}  // namespace
}  // namespace quillfold
