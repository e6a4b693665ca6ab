// The file system of Windows.

#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <cwchar>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/windows/reparse_tags.h"
#include "platform/windows/wide_text.h"
#include "runtime/disk.h"

namespace quillfold {
namespace {

HANDLE ToHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

int LastError() { return static_cast<int>(GetLastError()); }

// What the open handle is, asked of the handle itself so that nothing can be
// swapped in between the open and the check.
int StatusOfHandle(HANDLE handle, FileStatus& status) {
  FILE_ATTRIBUTE_TAG_INFO tag;
  FILE_STANDARD_INFO standard;
  if (!GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tag, sizeof tag) ||
      !GetFileInformationByHandleEx(handle, FileStandardInfo, &standard, sizeof standard)) {
    return LastError();
  }
  BY_HANDLE_FILE_INFORMATION identity;
  if (!GetFileInformationByHandle(handle, &identity)) return LastError();
  status.size = standard.EndOfFile.QuadPart;
  status.volume = identity.dwVolumeSerialNumber;
  status.id = (static_cast<std::uint64_t>(identity.nFileIndexHigh) << 32) | identity.nFileIndexLow;
  if (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
    status.kind = KindOfReparseTag(tag.ReparseTag);
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

// Opens `name` in the open folder `folder`. The system's own call for it
// takes the folder's handle as the root of the name, so the file is made in
// that folder whatever its path names meanwhile.
int OpenInFolder(FolderHandle folder, const std::string& name, ACCESS_MASK access, ULONG share,
                 ULONG disposition, ULONG options, HANDLE& handle) {
  std::wstring wide = ToWide(name);
  UNICODE_STRING unicode_name;
  unicode_name.Buffer = wide.data();
  unicode_name.Length = static_cast<USHORT>(std::min<std::size_t>(wide.size(), 0x7FFF) * 2);
  unicode_name.MaximumLength = unicode_name.Length;
  OBJECT_ATTRIBUTES attributes;
  InitializeObjectAttributes(&attributes, &unicode_name, OBJ_CASE_INSENSITIVE, ToHandle(folder),
                             nullptr);
  IO_STATUS_BLOCK io;
  const NTSTATUS status =
      NtCreateFile(&handle, access | SYNCHRONIZE, &attributes, &io, nullptr, FILE_ATTRIBUTE_NORMAL,
                   share, disposition, options | FILE_SYNCHRONOUS_IO_NONALERT, nullptr, 0);
  if (!NT_SUCCESS(status)) return static_cast<int>(RtlNtStatusToDosError(status));
  return 0;
}

// The name of the lock a run holds on a folder: one per folder on the
// machine, whatever path reaches it, as the folder's volume and file id
// name it. In the global namespace, so runs in other sessions see it too.
int RunLockName(HANDLE folder, std::wstring& name) {
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(folder, &info)) return LastError();
  wchar_t text[64];
  std::swprintf(text, 64, L"Global\\Quillfold-run-%08lx-%08lx%08lx", info.dwVolumeSerialNumber,
                info.nFileIndexHigh, info.nFileIndexLow);
  name = text;
  return 0;
}

class WindowsDisk : public Disk {
 public:
  int OpenFolder(const std::string& path, FolderHandle& folder) override {
    // An empty path would be the current folder.
    if (path.empty()) return ERROR_PATH_NOT_FOUND;
    // Held without letting others delete it: while a run lasts, its folder
    // cannot be renamed, moved or replaced.
    const HANDLE handle = CreateFileW(SystemPath(path).c_str(),
                                      FILE_LIST_DIRECTORY | FILE_TRAVERSE | FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      // The folder's own name not found is a path not found, as a missing
      // folder anywhere along it is.
      const int error = LastError();
      return error == ERROR_FILE_NOT_FOUND ? ERROR_PATH_NOT_FOUND : error;
    }
    FILE_BASIC_INFO basic;
    if (!GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic)) {
      const int error = LastError();
      CloseHandle(handle);
      return error;
    }
    // A file opens as well; it is no folder (ENOTDIR on POSIX).
    if (!(basic.FileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      CloseHandle(handle);
      return ERROR_DIRECTORY;
    }
    folder = reinterpret_cast<FolderHandle>(handle);
    return 0;
  }

  int LockFolder(FolderHandle folder, bool& taken) override {
    taken = false;
    std::wstring name;
    if (const int error = RunLockName(ToHandle(folder), name)) return error;
    const HANDLE lock = CreateMutexW(nullptr, FALSE, name.c_str());
    // Made by another user's run, whose rights keep us out: it is held.
    if (lock == nullptr) return GetLastError() == ERROR_ACCESS_DENIED ? 0 : LastError();
    const DWORD wait = WaitForSingleObject(lock, 0);
    // An abandoned lock belonged to a run that ended without letting go.
    if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) {
      taken = true;
      const std::lock_guard guard(locks_mutex_);
      locks_[folder] = lock;
      return 0;
    }
    const int error = wait == WAIT_TIMEOUT ? 0 : LastError();
    CloseHandle(lock);
    return error;
  }

  // A mutex belongs to the thread that took it and only that thread can
  // let it go: a run closes its folder on the thread that locked it (the
  // window's run thread, say), while the window may list other folders.
  int CloseFolder(FolderHandle folder) override {
    HANDLE lock = nullptr;
    {
      const std::lock_guard guard(locks_mutex_);
      if (const auto held = locks_.find(folder); held != locks_.end()) {
        lock = held->second;
        locks_.erase(held);
      }
    }
    if (lock != nullptr) {
      ReleaseMutex(lock);
      CloseHandle(lock);
    }
    return CloseHandle(ToHandle(folder)) ? 0 : LastError();
  }

  int ListFolder(FolderHandle folder, EntryKind kind,
                 const std::function<void(std::string_view name)>& add) override {
    // Read through the folder's handle: many entries per call, and the
    // first call starts from the beginning whatever was read before.
    std::vector<std::uint64_t> buffer(64 * 1024 / sizeof(std::uint64_t));
    FILE_INFO_BY_HANDLE_CLASS request = FileIdBothDirectoryRestartInfo;
    for (;;) {
      if (!GetFileInformationByHandleEx(ToHandle(folder), request, buffer.data(),
                                        static_cast<DWORD>(buffer.size() * sizeof buffer[0]))) {
        const int error = LastError();
        // An empty drive root has not even "." to give.
        return error == ERROR_NO_MORE_FILES || error == ERROR_FILE_NOT_FOUND ? 0 : error;
      }
      request = FileIdBothDirectoryInfo;
      const auto* bytes = reinterpret_cast<const unsigned char*>(buffer.data());
      for (;;) {
        const auto& entry = *reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(bytes);
        const std::wstring_view name(entry.FileName, entry.FileNameLength / sizeof(wchar_t));
        // A link or junction to a folder carries the folder attribute
        // itself, so it counts as a folder, as a symbolic link to one does
        // on POSIX.
        const bool is_folder = (entry.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (name != L"." && name != L".." && is_folder == (kind == EntryKind::kFolder)) {
          add(FromWide(name));
        }
        if (entry.NextEntryOffset == 0) break;
        bytes += entry.NextEntryOffset;
      }
    }
  }

  int OpenForAppend(FolderHandle folder, const std::string& name, FileHandle& file) override {
    // Cutting a file back to its last whole record needs FILE_WRITE_DATA;
    // with it, only the end-of-file offset of every write (see Write) keeps
    // new bytes after the old ones. Others may read the file meanwhile, but
    // not write it. A reparse point in the name's place is opened itself,
    // not followed, and found out by Status; a filtered file is then opened
    // again through its filter (OpenFilteredForAppend).
    HANDLE handle;
    if (const int error =
            OpenInFolder(folder, name, FILE_APPEND_DATA | FILE_WRITE_DATA | FILE_READ_ATTRIBUTES,
                         FILE_SHARE_READ, FILE_OPEN_IF,
                         FILE_NON_DIRECTORY_FILE | FILE_OPEN_REPARSE_POINT, handle)) {
      return error;
    }
    file = reinterpret_cast<FileHandle>(handle);
    return 0;
  }

  int OpenFilteredForAppend(FolderHandle folder, const std::string& name,
                            FileHandle& file) override {
    // As OpenForAppend, but the name's reparse point is left to its filter.
    HANDLE handle;
    if (const int error =
            OpenInFolder(folder, name, FILE_APPEND_DATA | FILE_WRITE_DATA | FILE_READ_ATTRIBUTES,
                         FILE_SHARE_READ, FILE_OPEN, FILE_NON_DIRECTORY_FILE, handle)) {
      return error;
    }
    file = reinterpret_cast<FileHandle>(handle);
    return 0;
  }

  int Status(FileHandle file, FileStatus& status) override {
    return StatusOfHandle(ToHandle(file), status);
  }

  int LinkStatus(FolderHandle folder, const std::string& name, FileStatus& status) override {
    // Attributes only: no other opener's sharing mode can refuse this.
    HANDLE handle;
    if (const int error =
            OpenInFolder(folder, name, FILE_READ_ATTRIBUTES,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, FILE_OPEN,
                         FILE_OPEN_REPARSE_POINT | FILE_OPEN_FOR_BACKUP_INTENT, handle)) {
      return error;
    }
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

 private:
  // The run locks held, by folder; the disk is shared by every thread.
  std::mutex locks_mutex_;
  std::map<FolderHandle, HANDLE> locks_;
};

}  // namespace

Disk& SystemDisk() {
  static WindowsDisk disk;
  return disk;
}

}  // namespace quillfold
