// The program's error numbers for the errors of Windows.

#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>

#include "runtime/error.h"

namespace quillfold {
namespace {

TEST(WindowsFileErrorTest, NumbersTheSystemsReasons) {
  const struct {
    int code;
    int number;
  } kCases[] = {
      {ERROR_FILE_NOT_FOUND, 76},
      {ERROR_PATH_NOT_FOUND, 76},
      {ERROR_INVALID_DRIVE, 76},
      {ERROR_BAD_NETPATH, 76},
      {ERROR_BAD_NET_NAME, 76},
      {ERROR_DIRECTORY, 76},
      {ERROR_ACCESS_DENIED, 70},
      {ERROR_WRITE_PROTECT, 70},
      {ERROR_SHARING_VIOLATION, 70},
      {ERROR_LOCK_VIOLATION, 70},
      {ERROR_FILE_READ_ONLY, 70},
      {ERROR_DISK_FULL, 61},
      {ERROR_HANDLE_DISK_FULL, 61},
      {1295 /* ERROR_DISK_QUOTA_EXCEEDED */, 61},
      {ERROR_FILE_TOO_LARGE, 61},
      {ERROR_TOO_MANY_OPEN_FILES, 67},
      {ERROR_CRC, 57},
      {ERROR_IO_DEVICE, 57},
      {ERROR_GEN_FAILURE, 57},
      {ERROR_WRITE_FAULT, 57},
      {ERROR_NOT_READY, 57},
      {ERROR_INVALID_NAME, 75},
      {ERROR_FILENAME_EXCED_RANGE, 75},
      {ERROR_CANT_ACCESS_FILE, 75},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(FileError(c.code, "C:\\f\\index1.html").number(), c.number);
  }
}

// The detail is the path and the system's own message, which ends in CR LF
// and must not split the detail into lines.
TEST(WindowsFileErrorTest, DetailIsThePathAndTheSystemsMessageOnOneLine) {
  std::set<std::string> reasons;
  for (const int code : {ERROR_PATH_NOT_FOUND, ERROR_ACCESS_DENIED, ERROR_DISK_FULL,
                         ERROR_SHARING_VIOLATION, ERROR_IO_DEVICE}) {
    SCOPED_TRACE(code);
    const std::string path = "C:\\f\\\xE6\x97\xA5\\index1.html";
    const std::string detail = FileError(code, path).detail();
    ASSERT_TRUE(detail.starts_with(path + ": ")) << detail;
    const std::string reason = detail.substr(path.size() + 2);
    EXPECT_EQ(reason, SystemErrorText(code));
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(reason.find_first_of("\r\n"), std::string::npos) << reason;
    EXPECT_NE(reason.back(), ' ');
    reasons.insert(reason);
  }
  EXPECT_EQ(reasons.size(), 5u) << "each code has its own message";
}

TEST(WindowsFileErrorTest, ACodeWithoutAMessageSaysItsNumber) {
  EXPECT_EQ(SystemErrorText(0x2FFFFFF), "system error 50331647");
}

}  // namespace
}  // namespace quillfold
