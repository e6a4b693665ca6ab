#ifndef QUILLFOLD_TESTING_SYSTEM_VALUES_H_
#define QUILLFOLD_TESTING_SYSTEM_VALUES_H_

#include <string_view>

#ifdef _WIN32
#include <winerror.h>
#else
#include <cerrno>
#endif

namespace quillfold::testing {

// What tests hand to fakes in the system's own terms: error codes, one for
// each kind of failure FileError tells apart (errno values on POSIX systems,
// GetLastError() values on Windows), and folders as the system writes them.
#ifdef _WIN32
inline constexpr int kNotFoundCode = ERROR_PATH_NOT_FOUND;
inline constexpr int kAccessDeniedCode = ERROR_ACCESS_DENIED;
inline constexpr int kDiskFullCode = ERROR_DISK_FULL;
inline constexpr int kIoErrorCode = ERROR_IO_DEVICE;
inline constexpr int kReaderGoneCode = ERROR_NO_DATA;
inline constexpr std::string_view kRootFolder = "C:\\";
inline constexpr std::string_view kSiteFolder = "C:\\site";
#else
inline constexpr int kNotFoundCode = ENOENT;
inline constexpr int kAccessDeniedCode = EACCES;
inline constexpr int kDiskFullCode = ENOSPC;
inline constexpr int kIoErrorCode = EIO;
inline constexpr int kReaderGoneCode = EPIPE;
inline constexpr std::string_view kRootFolder = "/";
inline constexpr std::string_view kSiteFolder = "/site";
#endif

}  // namespace quillfold::testing

#endif  // QUILLFOLD_TESTING_SYSTEM_VALUES_H_
