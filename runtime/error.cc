#include "runtime/error.h"

#include <cerrno>
#include <cstring>

namespace quillfold {

Error::Error(int number, std::string detail)
    : number_(number), text_(ErrorText(number)), detail_(std::move(detail)) {}

std::string_view ErrorText(int number) {
  switch (number) {
    case kOverflow:
      return "Overflow";
    case kTypeMismatch:
      return "Type mismatch";
    case kCannotStartBrowser:
      return "Can't start the browser";
    case kDeviceIoError:
      return "Device I/O error";
    case kDiskFull:
      return "Disk full";
    case kTooManyFiles:
      return "Too many files";
    case kPermissionDenied:
      return "Permission denied";
    case kPathFileAccessError:
      return "Path/File access error";
    case kPathNotFound:
      return "Path not found";
  }
  return "Application-defined or object-defined error";
}

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

Error FileError(int errno_value, std::string_view path) {
  std::string detail(path);
  detail += ": ";
  detail += std::strerror(errno_value);
  return Error(NumberForErrno(errno_value), std::move(detail));
}

}  // namespace quillfold
