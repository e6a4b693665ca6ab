// The file system of a POSIX system.

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <string_view>

#include "runtime/disk.h"

namespace quillfold {
namespace {

FileStatus StatusOf(const struct stat& info) {
  FileStatus status;
  status.size = info.st_size;
  status.volume = info.st_dev;
  status.id.low = info.st_ino;
  switch (info.st_mode & S_IFMT) {
    case S_IFREG:
      status.kind = FileKind::kRegular;
      break;
    case S_IFLNK:
      status.kind = FileKind::kSymbolicLink;
      break;
    case S_IFDIR:
      status.kind = FileKind::kFolder;
      break;
    case S_IFCHR:
    case S_IFBLK:
      status.kind = FileKind::kDevice;
      break;
    case S_IFIFO:
      status.kind = FileKind::kNamedPipe;
      break;
    case S_IFSOCK:
      status.kind = FileKind::kSocket;
      break;
  }
  return status;
}

struct DirCloser {
  void operator()(DIR* dir) const { closedir(dir); }
};

bool IsDot(const char* name) {
  return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// Whether an entry is a folder, following symbolic links. Most file systems
// report the type in the entry itself, so a stat is needed only for links and
// the rare file system that does not.
bool IsFolder(int dir_fd, const dirent& entry) {
  if (entry.d_type == DT_DIR) return true;
  if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) return false;
  struct stat status;
  // A dangling link, or an entry removed since it was read, is no folder.
  return fstatat(dir_fd, entry.d_name, &status, 0) == 0 && S_ISDIR(status.st_mode);
}

template <typename Handle>
int Descriptor(Handle handle) {
  return static_cast<int>(handle);
}

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOCTTY;

// Opens a path longer than the system takes in one call (PATH_MAX) a piece
// at a time, each piece shorter than that and ending at a separator, each
// opened in the folder the one before it opened; the system resolves every
// piece, links and ".." included, as it would the whole path.
int OpenLongFolder(std::string_view path, int& fd) {
  int at = path.front() == '/' ? ::open("/", kFolderFlags) : ::open(".", kFolderFlags);
  if (at < 0) return errno;
  while (!path.empty()) {
    std::size_t end = path.size();
    if (end >= PATH_MAX) {
      end = path.rfind('/', PATH_MAX - 1);
      // A single name longer than any piece may be is no name.
      if (end == std::string_view::npos || end == 0) {
        ::close(at);
        return ENAMETOOLONG;
      }
    }
    const std::string piece(path.substr(0, end));
    path.remove_prefix(std::min(path.size(), end + 1));
    const int next = ::openat(at, piece.c_str(), kFolderFlags);
    const int error = errno;
    ::close(at);
    if (next < 0) return error;
    at = next;
  }
  fd = at;
  return 0;
}

class PosixDisk : public Disk {
 public:
  int OpenFolder(const std::string& path, FolderHandle& folder) override {
    int fd = ::open(path.c_str(), kFolderFlags);
    if (fd < 0 && errno == ENAMETOOLONG && !path.empty()) {
      if (const int error = OpenLongFolder(path, fd)) return error;
    } else if (fd < 0) {
      return errno;
    }
    folder = FolderHandle{fd};
    return 0;
  }

  int LockFolder(FolderHandle folder, bool& taken) override {
    taken = true;
    while (::flock(Descriptor(folder), LOCK_EX | LOCK_NB) != 0) {
      if (errno == EINTR) continue;
      if (errno == EWOULDBLOCK) {
        taken = false;
        return 0;
      }
      // A file system that keeps no locks cannot keep two runs apart; the
      // run goes on as it did before there was a lock.
      if (errno == ENOLCK || errno == EOPNOTSUPP || errno == EINVAL) return 0;
      return errno;
    }
    return 0;
  }

  int CloseFolder(FolderHandle folder) override {
    if (::close(Descriptor(folder)) != 0 && errno != EINTR) return errno;
    return 0;
  }

  int ListFolder(FolderHandle folder, EntryKind kind,
                 const std::function<void(std::string_view name)>& add) override {
    // The listing reads through a descriptor of its own, so it neither
    // closes the folder nor moves on where a later listing starts.
    const int own = ::openat(Descriptor(folder), ".", kFolderFlags);
    if (own < 0) return errno;
    std::unique_ptr<DIR, DirCloser> dir(fdopendir(own));
    if (!dir) {
      const int error = errno;
      ::close(own);
      return error;
    }
    const int dir_fd = dirfd(dir.get());
    for (;;) {
      errno = 0;
      const dirent* entry = readdir(dir.get());
      if (entry == nullptr) return errno;
      if (IsDot(entry->d_name) || IsFolder(dir_fd, *entry) != (kind == EntryKind::kFolder)) {
        continue;
      }
      add(entry->d_name);
    }
  }

  int OpenForAppend(FolderHandle folder, const std::string& name, FileHandle& file,
                    bool& made) override {
    // Non-blocking, so that a named pipe without a reader fails at once
    // instead of holding the run forever, and no terminal becomes ours;
    // writes block again as usual.
    constexpr int kFlags = O_WRONLY | O_APPEND | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK;
    // Made only where nothing is (a link in the name's place counts as
    // something), else opened: which of the two happened is then known. A
    // file removed between the two is made the next time round.
    int fd;
    for (;;) {
      fd = ::openat(Descriptor(folder), name.c_str(), kFlags | O_CREAT | O_EXCL, 0666);
      made = fd >= 0;
      if (made || errno != EEXIST) break;
      fd = ::openat(Descriptor(folder), name.c_str(), kFlags);
      if (fd >= 0 || errno != ENOENT) break;
    }
    if (fd < 0) return errno;
    ::fcntl(fd, F_SETFL, O_APPEND);
    file = FileHandle{fd};
    return 0;
  }

  int RemoveMade(FolderHandle folder, const std::string& name, FileHandle file) override {
    // The name is removed only while it still names the open file.
    struct stat open_file;
    struct stat named;
    if (::fstat(Descriptor(file), &open_file) != 0 ||
        ::fstatat(Descriptor(folder), name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0) {
      return errno;
    }
    if (open_file.st_dev != named.st_dev || open_file.st_ino != named.st_ino) return 0;
    return ::unlinkat(Descriptor(folder), name.c_str(), 0) == 0 ? 0 : errno;
  }

  // No file here is kept by a filter: Status never says kFilteredFile.
  int OpenFilteredForAppend(FolderHandle, const std::string&, FileHandle&) override {
    return ENOTSUP;
  }

  int Status(FileHandle file, FileStatus& status) override {
    struct stat info;
    if (::fstat(Descriptor(file), &info) != 0) return errno;
    status = StatusOf(info);
    return 0;
  }

  int LinkStatus(FolderHandle folder, const std::string& name, FileStatus& status) override {
    struct stat info;
    if (::fstatat(Descriptor(folder), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) return errno;
    status = StatusOf(info);
    return 0;
  }

  int Write(FileHandle file, std::string_view data, std::size_t& written) override {
    written = 0;
    for (;;) {
      const ssize_t result = ::write(Descriptor(file), data.data(), data.size());
      if (result > 0) {
        written = static_cast<std::size_t>(result);
        return 0;
      }
      if (result < 0 && errno == EINTR) continue;
      // A write that makes no progress would be asked again forever.
      return result < 0 ? errno : EIO;
    }
  }

  int Truncate(FileHandle file, std::int64_t length) override {
    return ::ftruncate(Descriptor(file), length) == 0 ? 0 : errno;
  }

  int Close(FileHandle file) override {
    // After EINTR the descriptor is gone on Linux: retrying could close
    // another one, so it counts as closed.
    if (::close(Descriptor(file)) != 0 && errno != EINTR) return errno;
    return 0;
  }
};

}  // namespace

Disk& SystemDisk() {
  static PosixDisk disk;
  return disk;
}

}  // namespace quillfold
