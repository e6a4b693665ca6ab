// The file system of Windows.

#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/windows/reparse_tags.h"
#include "platform/windows/shared_mutex.h"
#include "platform/windows/wide_text.h"
#include "platform/windows/windows_disk.h"
#include "runtime/disk.h"

namespace quillfold {
namespace {

template <typename Handle>
HANDLE ToHandle(Handle handle) {
  return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(handle));
}

int LastError() { return static_cast<int>(GetLastError()); }

// Whether a file system refused an information or directory class it does
// not answer, in any of the ways Windows passes that on:
// STATUS_INVALID_PARAMETER (FAT32 and exFAT: Windows-driver-samples
// filesys/fastfat fileinfo.c) and STATUS_INVALID_INFO_CLASS (MS-FSCC 2.4,
// SMB servers) as ERROR_INVALID_PARAMETER, STATUS_NOT_IMPLEMENTED and
// STATUS_INVALID_DEVICE_REQUEST (Dokan before dokany#933, other third-party
// file systems: microsoft/WSL#6063) as ERROR_INVALID_FUNCTION, and
// STATUS_NOT_SUPPORTED as ERROR_NOT_SUPPORTED.
bool IsRefusedClass(int error) {
  return error == ERROR_INVALID_PARAMETER || error == ERROR_INVALID_FUNCTION ||
         error == ERROR_NOT_SUPPORTED;
}

// Which file the open handle is: the 128-bit id where the volume gives one
// (ReFS numbers files beyond 64 bits, so its 64-bit index is not unique),
// else the 64-bit file index, as FAT32, exFAT and Windows 7 (which has no
// FileIdInfo) give it.
int IdentityOfHandle(WindowsCalls& calls, HANDLE handle, FileStatus& status) {
  FILE_ID_INFO id;
  if (calls.GetFileInformationByHandleEx(handle, FileIdInfo, &id, sizeof id)) {
    std::memcpy(&status.id.low, id.FileId.Identifier, sizeof status.id.low);
    std::memcpy(&status.id.high, id.FileId.Identifier + sizeof status.id.low,
                sizeof status.id.high);
    status.volume = id.VolumeSerialNumber;
    // A file system without 128-bit ids sets them to 0 (FILE_ID_INFORMATION
    // in ntifs.h: "must be set to 0, and must be ignored").
    if (status.id != FileId{}) return 0;
  } else if (!IsRefusedClass(LastError())) {
    return LastError();
  }
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(handle, &info)) return LastError();
  status.volume = info.dwVolumeSerialNumber;
  status.id = {(static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow, 0};
  return 0;
}

// What the open handle is, asked of the handle itself so that nothing can be
// swapped in between the open and the check.
int StatusOfHandle(WindowsCalls& calls, HANDLE handle, FileStatus& status) {
  DWORD attributes;
  std::optional<DWORD> reparse_tag;
  FILE_ATTRIBUTE_TAG_INFO tag;
  if (calls.GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tag, sizeof tag)) {
    attributes = tag.FileAttributes;
    reparse_tag = tag.ReparseTag;
  } else {
    // FAT32 and exFAT do not answer this class; the basic information
    // holds the attributes, though no tag.
    FILE_BASIC_INFO basic;
    if (!IsRefusedClass(LastError()) ||
        !calls.GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic)) {
      return LastError();
    }
    attributes = basic.FileAttributes;
  }
  FILE_STANDARD_INFO standard;
  if (!calls.GetFileInformationByHandleEx(handle, FileStandardInfo, &standard, sizeof standard)) {
    return LastError();
  }
  if (const int error = IdentityOfHandle(calls, handle, status)) return error;
  status.size = standard.EndOfFile.QuadPart;
  if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
    // Without its tag, a reparse point is never taken for a filtered file.
    status.kind = reparse_tag ? KindOfReparseTag(*reparse_tag) : FileKind::kReparsePoint;
  } else if ((attributes & FILE_ATTRIBUTE_DIRECTORY) || standard.Directory) {
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
// that folder whatever its path names meanwhile. `made` tells whether the
// open created the file.
int OpenInFolder(WindowsCalls& calls, FolderHandle folder, const std::string& name,
                 ACCESS_MASK access, ULONG share, ULONG disposition, ULONG options, HANDLE& handle,
                 bool& made) {
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
      calls.NtCreateFile(&handle, access | SYNCHRONIZE, &attributes, &io, FILE_ATTRIBUTE_NORMAL,
                         share, disposition, options | FILE_SYNCHRONOUS_IO_NONALERT);
  if (!NT_SUCCESS(status)) return static_cast<int>(RtlNtStatusToDosError(status));
  made = io.Information == FILE_CREATED;
  return 0;
}

// The name of the lock a run holds on a folder: one per folder on the
// machine, whatever path reaches it, as the folder's volume and file id
// name it. In the global namespace, so runs in other sessions see it too.
int RunLockName(WindowsCalls& calls, HANDLE folder, std::wstring& name) {
  FileStatus identity;
  if (const int error = IdentityOfHandle(calls, folder, identity)) return error;
  wchar_t text[80];
  std::swprintf(text, 80, L"Global\\Quillfold-run-%016llx-%016llx%016llx",
                static_cast<unsigned long long>(identity.volume),
                static_cast<unsigned long long>(identity.id.high),
                static_cast<unsigned long long>(identity.id.low));
  name = text;
  return 0;
}

// How long a page open refused because another program holds the file waits
// before each new try: 310 ms in all, in growing steps.
constexpr DWORD kOpenRetryWaits[] = {10, 20, 40, 80, 160};

class WindowsDisk : public Disk {
 public:
  explicit WindowsDisk(WindowsCalls& calls) : calls_(calls) {}

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
    if (!calls_.GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic)) {
      const int error = LastError();
      CloseHandle(handle);
      return error;
    }
    // A file opens as well; it is no folder (ENOTDIR on POSIX).
    if (!(basic.FileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      CloseHandle(handle);
      return ERROR_DIRECTORY;
    }
    folder = FolderHandle{reinterpret_cast<std::intptr_t>(handle)};
    return 0;
  }

  int LockFolder(FolderHandle folder, bool& taken) override {
    taken = false;
    std::wstring name;
    if (const int error = RunLockName(calls_, ToHandle(folder), name)) return error;
    const HANDLE lock = CreateSharedMutex(calls_, name.c_str());
    // Made by an older Quillfold of another user, whose default rights keep
    // us out: it is held.
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
    // The class the disk has always read first. WebDAV drives, VirtualBox
    // and VMware shared folders, \\wsl$ and other third-party file systems
    // refuse it (microsoft/WSL#6063, #2896, #2163); they answer the full
    // directory information, which has all a listing needs.
    bool refused = false;
    const int error = ListEntries<FILE_ID_BOTH_DIR_INFO>(
        folder, FileIdBothDirectoryRestartInfo, FileIdBothDirectoryInfo, kind, add, refused);
    if (!refused) return error;
    return ListEntries<FILE_FULL_DIR_INFO>(folder, FileFullDirectoryRestartInfo,
                                           FileFullDirectoryInfo, kind, add, refused);
  }

  int OpenForAppend(FolderHandle folder, const std::string& name, FileHandle& file,
                    bool& made) override {
    // A reparse point in the name's place is opened itself, not followed,
    // and found out by Status; a filtered file is then opened again through
    // its filter (OpenFilteredForAppend).
    HANDLE handle;
    if (const int error =
            OpenPage(folder, name, FILE_OPEN_IF, FILE_OPEN_REPARSE_POINT, handle, made)) {
      return error;
    }
    file = FileHandle{reinterpret_cast<std::intptr_t>(handle)};
    return 0;
  }

  int OpenFilteredForAppend(FolderHandle folder, const std::string& name,
                            FileHandle& file) override {
    // As OpenForAppend, but the name's reparse point is left to its filter.
    HANDLE handle;
    bool made;
    if (const int error = OpenPage(folder, name, FILE_OPEN, 0, handle, made)) return error;
    file = FileHandle{reinterpret_cast<std::intptr_t>(handle)};
    return 0;
  }

  int RemoveMade(FolderHandle, const std::string&, FileHandle file) override {
    // Through the open file itself, so that no other file that took its
    // name meanwhile can go; the page shares delete for this (OpenPage). The
    // file goes when its last handle closes.
    const HANDLE remover =
        ReOpenFile(ToHandle(file), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                   FILE_FLAG_OPEN_REPARSE_POINT);
    if (remover == INVALID_HANDLE_VALUE) return LastError();
    FILE_DISPOSITION_INFO disposition{TRUE};
    const int error =
        SetFileInformationByHandle(remover, FileDispositionInfo, &disposition, sizeof disposition)
            ? 0
            : LastError();
    CloseHandle(remover);
    return error;
  }

  int Status(FileHandle file, FileStatus& status) override {
    return StatusOfHandle(calls_, ToHandle(file), status);
  }

  int LinkStatus(FolderHandle folder, const std::string& name, FileStatus& status) override {
    // Attributes only: no other opener's sharing mode can refuse this.
    HANDLE handle;
    bool made;
    if (const int error =
            OpenInFolder(calls_, folder, name, FILE_READ_ATTRIBUTES,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, FILE_OPEN,
                         FILE_OPEN_REPARSE_POINT | FILE_OPEN_FOR_BACKUP_INTENT, handle, made)) {
      return error;
    }
    const int error = StatusOfHandle(calls_, handle, status);
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
  // Reads the entries of `folder` in one directory class, whose entries are
  // of type `Entry`, handing each name of `kind` to `add`. `refused` is set
  // when the volume refuses the class outright, before any name.
  template <typename Entry>
  int ListEntries(FolderHandle folder, FILE_INFO_BY_HANDLE_CLASS restart,
                  FILE_INFO_BY_HANDLE_CLASS next, EntryKind kind,
                  const std::function<void(std::string_view name)>& add, bool& refused) {
    // Read through the folder's handle: many entries per call, and the
    // first call starts from the beginning whatever was read before.
    std::vector<std::uint64_t> buffer(64 * 1024 / sizeof(std::uint64_t));
    FILE_INFO_BY_HANDLE_CLASS request = restart;
    for (;;) {
      if (!calls_.GetFileInformationByHandleEx(
              ToHandle(folder), request, buffer.data(),
              static_cast<DWORD>(buffer.size() * sizeof buffer[0]))) {
        const int error = LastError();
        refused = request == restart && IsRefusedClass(error);
        // An empty drive root has not even "." to give.
        return error == ERROR_NO_MORE_FILES || error == ERROR_FILE_NOT_FOUND ? 0 : error;
      }
      request = next;
      const auto* bytes = reinterpret_cast<const unsigned char*>(buffer.data());
      for (;;) {
        const auto& entry = *reinterpret_cast<const Entry*>(bytes);
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

  // Opens a page for appending. Cutting it back to its last whole record
  // needs FILE_WRITE_DATA; with it, only the end-of-file offset of every
  // write (see Write) keeps new bytes after the old ones. Others may read the
  // page meanwhile, but not write it, and may rename or delete it: that is
  // what a scanner or sync client that holds a file with delete access needs
  // for this open to succeed, and it takes nothing from the run, whose pages
  // lie open between records anyway and whose folder, held without delete
  // sharing, cannot move. A virus scanner, the search indexer or a sync
  // client often opens a page just closed without write sharing: an open
  // refused for a sharing or lock violation is tried again a while
  // (kOpenRetryWaits) before the refusal counts; no other refusal is.
  int OpenPage(FolderHandle folder, const std::string& name, ULONG disposition, ULONG options,
               HANDLE& handle, bool& made) {
    const auto open = [&] {
      return OpenInFolder(calls_, folder, name,
                          FILE_APPEND_DATA | FILE_WRITE_DATA | FILE_READ_ATTRIBUTES,
                          FILE_SHARE_READ | FILE_SHARE_DELETE, disposition,
                          FILE_NON_DIRECTORY_FILE | options, handle, made);
    };
    for (const DWORD wait : kOpenRetryWaits) {
      const int error = open();
      if (error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION) return error;
      calls_.Sleep(wait);
    }
    return open();
  }

  WindowsCalls& calls_;
  // The run locks held, by folder; the disk is shared by every thread.
  std::mutex locks_mutex_;
  std::map<FolderHandle, HANDLE> locks_;
};

}  // namespace

std::unique_ptr<Disk> MakeWindowsDisk(WindowsCalls& calls) {
  return std::make_unique<WindowsDisk>(calls);
}

Disk& SystemDisk() {
  static WindowsDisk disk(SystemCalls());
  return disk;
}

}  // namespace quillfold
