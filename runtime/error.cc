#include "runtime/error.h"

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

}  // namespace quillfold
