// The program's error numbers for the errors of a POSIX system.

#include <cerrno>
#include <cstring>

#include "runtime/error.h"

namespace quillfold {
namespace {

int NumberForErrno(int errno_value) {
  switch (errno_value) {
    case ENOENT:
    case ENOTDIR:
      return kPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
      return kPermissionDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return kDiskFull;
    case EMFILE:
    case ENFILE:
      return kTooManyFiles;
    case EIO:
      return kDeviceIoError;
  }
  return kPathFileAccessError;
}

}  // namespace

std::string SystemErrorText(int system_code) { return std::strerror(system_code); }

Error FileError(int system_code, std::string_view path) {
  std::string detail(path);
  detail += ": ";
  detail += SystemErrorText(system_code);
  return Error(NumberForErrno(system_code), std::move(detail));
}

}  // namespace quillfold
