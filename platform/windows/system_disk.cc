// The file system of Windows.

#include <windows.h>

#include <algorithm>
#include <memory>

#include "platform/windows/wide_text.h"
#include "runtime/disk.h"

namespace quillfold {
namespace {

HANDLE ToHandle(FileHandle file) { return reinterpret_cast<HANDLE>(file); }

int LastError() { return static_cast<int>(GetLastError()); }

struct FindCloser {
  void operator()(HANDLE find) const { FindClose(find); }
};
using FindHandle = std::unique_ptr<void, FindCloser>;

bool IsDot(const wchar_t* name) {
  return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

// What the open handle is, asked of the handle itself so that nothing can be
// swapped in between the open and the check.
int StatusOfHandle(HANDLE handle, FileStatus& status) {
  FILE_ATTRIBUTE_TAG_INFO tag;
  FILE_STANDARD_INFO standard;
  if (!GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tag, sizeof tag) ||
      !GetFileInformationByHandleEx(handle, FileStandardInfo, &standard, sizeof standard)) {
    return LastError();
  }
  status.size = standard.EndOfFile.QuadPart;
  if (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
    status.kind = tag.ReparseTag == IO_REPARSE_TAG_SYMLINK ? FileKind::kSymbolicLink
                                                           : FileKind::kReparsePoint;
  } else if ((tag.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) || standard.Directory) {
    status.kind = FileKind::kFolder;
  } else {
    switch (GetFileType(handle)) {
      case FILE_TYPE_DISK:
        status.kind = FileKind::kRegular;
        break;
      case FILE_TYPE_CHAR:
        status.kind = FileKind::kDevice;
        break;
      case FILE_TYPE_PIPE:
        status.kind = FileKind::kNamedPipe;
        break;
      default:
        status.kind = FileKind::kOther;
        break;
    }
  }
  return 0;
}

class WindowsDisk : public Disk {
 public:
  int ListFolder(const std::string& folder, EntryKind kind,
                 const std::function<void(std::string_view name)>& add) override {
    // An empty path would list the current drive's root.
    if (folder.empty()) return ERROR_PATH_NOT_FOUND;
    const std::wstring path = SystemPath(folder);
    std::wstring pattern = path;
    if (pattern.back() != L'\\') pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW entry;
    // The basic information leaves out the short 8.3 name, which is never
    // used here; the large fetch asks for many entries per call.
    FindHandle find(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry,
                                     FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (find.get() == INVALID_HANDLE_VALUE) {
      find.release();
      const int error = LastError();
      // A name that is no folder fails in a way that differs between
      // Windows versions; it is told the same way everywhere, as a folder
      // not found (ENOTDIR on POSIX). Not even "." found in a folder that
      // exists is a drive root without entries.
      const DWORD attributes = GetFileAttributesW(path.c_str());
      if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return ERROR_DIRECTORY;
        if (error == ERROR_FILE_NOT_FOUND) return 0;
      }
      return error;
    }
    do {
      if (IsDot(entry.cFileName)) continue;
      // A link or junction to a folder carries the folder attribute itself,
      // so it counts as a folder, as a symbolic link to one does on POSIX.
      const bool is_folder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
      if (is_folder != (kind == EntryKind::kFolder)) continue;
      add(FromWide(entry.cFileName));
    } while (FindNextFileW(find.get(), &entry));
    const int error = LastError();
    return error == ERROR_NO_MORE_FILES ? 0 : error;
  }

  int OpenForAppend(const std::string& path, FileHandle& file) override {
    // Cutting a file back to its last whole record needs FILE_WRITE_DATA;
    // with it, only the end-of-file offset of every write (see Write) keeps
    // new bytes after the old ones. Others may read the file meanwhile, but
    // not write it. A reparse point in the name's place is opened itself,
    // not followed, and found out by Status.
    const HANDLE handle = CreateFileW(
        SystemPath(path).c_str(), FILE_APPEND_DATA | FILE_WRITE_DATA | FILE_READ_ATTRIBUTES,
        FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT,
        nullptr);
    if (handle == INVALID_HANDLE_VALUE) return LastError();
    file = reinterpret_cast<FileHandle>(handle);
    return 0;
  }

  int Status(FileHandle file, FileStatus& status) override {
    return StatusOfHandle(ToHandle(file), status);
  }

  int LinkStatus(const std::string& path, FileStatus& status) override {
    // Attributes only: no other opener's sharing mode can refuse this.
    const HANDLE handle =
        CreateFileW(SystemPath(path).c_str(), FILE_READ_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return LastError();
    const int error = StatusOfHandle(handle, status);
    CloseHandle(handle);
    return error;
  }

  int Write(FileHandle file, std::string_view data, std::size_t& written) override {
    written = 0;
    const auto size = static_cast<DWORD>(std::min<std::size_t>(data.size(), 1 << 30));
    // Both offsets all ones: the write goes to the end of the file, as it
    // would on a handle opened for appending only.
    OVERLAPPED at_end{};
    at_end.Offset = 0xFFFFFFFF;
    at_end.OffsetHigh = 0xFFFFFFFF;
    DWORD arrived = 0;
    if (!WriteFile(ToHandle(file), data.data(), size, &arrived, &at_end)) return LastError();
    // A write that makes no progress would be asked again forever.
    if (arrived == 0) return ERROR_WRITE_FAULT;
    written = arrived;
    return 0;
  }

  int Truncate(FileHandle file, std::int64_t length) override {
    FILE_END_OF_FILE_INFO end;
    end.EndOfFile.QuadPart = length;
    return SetFileInformationByHandle(ToHandle(file), FileEndOfFileInfo, &end, sizeof end)
               ? 0
               : LastError();
  }

  int Close(FileHandle file) override { return CloseHandle(ToHandle(file)) ? 0 : LastError(); }
};

}  // namespace

Disk& SystemDisk() {
  static WindowsDisk disk;
  return disk;
}

}  // namespace quillfold
