#ifndef QUILLFOLD_RUNTIME_DISK_H_
#define QUILLFOLD_RUNTIME_DISK_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace quillfold {

// An open output file: a descriptor on POSIX systems, a HANDLE on Windows,
// held as its bits. A type of its own, as is an open folder's, so that a
// folder can never be written to or closed as a file.
enum class FileHandle : std::intptr_t {};
// An open folder, the same way.
enum class FolderHandle : std::intptr_t {};

// What a name in a folder stands for. A reparse point is Windows' kind of
// link other than a symbolic link, such as a junction or a mount point. A
// filtered file is a file whose bytes a file system filter of Windows keeps
// (a OneDrive or other cloud placeholder, a deduplicated or compressed
// file): no link, but reached through its filter.
enum class FileKind {
  kRegular,
  kFilteredFile,
  kSymbolicLink,
  kReparsePoint,
  kFolder,
  kDevice,
  kNamedPipe,
  kSocket,
  kOther
};

// Which file it is among the files of its volume: 128 bits, as ReFS numbers
// them; a system that numbers them in 64 bits (an inode, an NTFS or FAT file
// index) fills the low half.
struct FileId {
  std::uint64_t low = 0;
  std::uint64_t high = 0;

  bool operator==(const FileId&) const = default;
};

struct FileStatus {
  FileKind kind = FileKind::kOther;
  std::int64_t size = 0;  // In bytes.
  // Which file it is: no two files on the machine share both.
  std::uint64_t volume = 0;
  FileId id;
};

// Which entries of a folder a listing takes.
enum class EntryKind { kFile, kFolder };

// Everything the engine asks of the operating system's file system, behind
// one interface: the system's own implementation is chosen at build time
// (platform/posix, platform/windows), and tests use an in-memory fake that
// shows the faults a real disk rarely shows on demand (a short write, an
// error on close, a folder of 32,768 files without making them). Each call
// returns 0 or the system's error code (errno; GetLastError() on Windows),
// which FileError() turns into the program's error.
//
// A run works inside one open folder: it is opened once, by its path, and
// everything after that goes through the open folder, so a folder renamed,
// swapped or replaced by a link while the run lasts cannot send the run's
// pages anywhere else, and no path is ever longer than one name.
class Disk {
 public:
  virtual ~Disk() = default;

  // Opens the folder at `path`. A symbolic link naming the folder itself is
  // followed, once, here. A path longer than the system takes in one call is
  // opened a piece at a time.
  virtual int OpenFolder(const std::string& path, FolderHandle& folder) = 0;
  // Takes the exclusive lock that one run holds on its folder, without
  // waiting: `taken` is false when another run holds it. The lock is
  // advisory, seen by other runs of this program only, and ends when the
  // folder is closed. A file system that keeps no locks (some network
  // shares) gives it without a fight.
  virtual int LockFolder(FolderHandle folder, bool& taken) = 0;
  virtual int CloseFolder(FolderHandle folder) = 0;

  // Hands each name directly in `folder` of one kind to `add`, in the order
  // the system enumerates them. Anything that is not a folder counts as a
  // file; a symbolic link counts as what it points to, a dangling one as a
  // file.
  virtual int ListFolder(FolderHandle folder, EntryKind kind,
                         const std::function<void(std::string_view name)>& add) = 0;

  // Opens the file `name` in `folder` for appending, creating it when
  // absent; `made` tells whether this open created it. A symbolic link (any
  // reparse point on Windows) in its place is not followed, so a page file
  // can never send records to a file elsewhere.
  virtual int OpenForAppend(FolderHandle folder, const std::string& name, FileHandle& file,
                            bool& made) = 0;
  // Removes the file `name` in `folder`, open as `file`, which OpenForAppend
  // made and which holds no byte, so that a run that fails before its first
  // record stays leaves no empty page behind. Nothing is removed when `name`
  // no longer names `file`. `file` stays open, to be closed as usual.
  virtual int RemoveMade(FolderHandle folder, const std::string& name, FileHandle file) = 0;
  // Opens the filtered file `name` in `folder` for appending through its
  // filter, which brings its bytes in (a cloud placeholder is downloaded),
  // as OpenForAppend does not. Only Windows has such files.
  virtual int OpenFilteredForAppend(FolderHandle folder, const std::string& name,
                                    FileHandle& file) = 0;
  // What the open file is, its length and which file it is.
  virtual int Status(FileHandle file, FileStatus& status) = 0;
  // What `name` in `folder` itself is, a symbolic link not followed.
  virtual int LinkStatus(FolderHandle folder, const std::string& name, FileStatus& status) = 0;
  // Writes some of `data`, at least one byte unless it fails; `written`
  // receives how many bytes arrived.
  virtual int Write(FileHandle file, std::string_view data, std::size_t& written) = 0;
  // Cuts the file back to `length` bytes.
  virtual int Truncate(FileHandle file, std::int64_t length) = 0;
  virtual int Close(FileHandle file) = 0;
};

// The real file system.
Disk& SystemDisk();

}  // namespace quillfold

#endif  // QUILLFOLD_RUNTIME_DISK_H_
