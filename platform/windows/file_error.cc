// The program's error numbers for the errors of Windows.

#include <windows.h>

#include <string>

#include "platform/windows/wide_text.h"
#include "runtime/error.h"

namespace quillfold {
namespace {

// ERROR_DISK_QUOTA_EXCEEDED: a user's disk quota is used up. mingw-w64's
// headers lack it.
constexpr int kErrorDiskQuotaExceeded = 1295;

int NumberForCode(int code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    // "The directory name is invalid": the folder is a file, as ENOTDIR.
    case ERROR_DIRECTORY:
      return kPathNotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_NETWORK_ACCESS_DENIED:
    case ERROR_FILE_READ_ONLY:
      return kPermissionDenied;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case kErrorDiskQuotaExceeded:
    case ERROR_FILE_TOO_LARGE:
      return kDiskFull;
    case ERROR_TOO_MANY_OPEN_FILES:
      return kTooManyFiles;
    case ERROR_CRC:
    case ERROR_IO_DEVICE:
    case ERROR_GEN_FAILURE:
    case ERROR_WRITE_FAULT:
    case ERROR_READ_FAULT:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_SEEK:
    case ERROR_NOT_READY:
    case ERROR_DEVICE_NOT_CONNECTED:
      return kDeviceIoError;
  }
  // ERROR_INVALID_NAME, ERROR_FILENAME_EXCED_RANGE and everything else.
  return kPathFileAccessError;
}

}  // namespace

std::string SystemErrorText(int system_code) {
  wchar_t* buffer = nullptr;
  // In the user's language, as the system's own dialogs say it.
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(system_code), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  if (length == 0) return "system error " + std::to_string(system_code);
  std::wstring_view text(buffer, length);
  // The system's messages end with a line break, which would split a detail.
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) {
    text.remove_suffix(1);
  }
  std::string reason = FromWide(text);
  LocalFree(buffer);
  return reason;
}

Error FileError(int system_code, std::string_view path) {
  std::string detail(path);
  detail += ": ";
  detail += SystemErrorText(system_code);
  return Error(NumberForCode(system_code), std::move(detail));
}

}  // namespace quillfold
