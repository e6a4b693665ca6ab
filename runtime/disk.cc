#include "runtime/disk.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillfold {
namespace {

FileStatus StatusOf(const struct stat& info) {
  FileStatus status;
  status.size = info.st_size;
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

class SystemDiskImpl : public Disk {
 public:
  int OpenForAppend(const char* path) override {
    // Non-blocking, so that a named pipe without a reader fails at once
    // instead of holding the run forever, and no terminal becomes ours;
    // writes block again as usual.
    const int fd = ::open(
        path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK, 0666);
    if (fd >= 0) ::fcntl(fd, F_SETFL, O_APPEND);
    return fd;
  }
  int Status(int fd, FileStatus& status) override {
    struct stat info;
    if (::fstat(fd, &info) != 0) return -1;
    status = StatusOf(info);
    return 0;
  }
  int LinkStatus(const char* path, FileStatus& status) override {
    struct stat info;
    if (::lstat(path, &info) != 0) return -1;
    status = StatusOf(info);
    return 0;
  }
  ssize_t Write(int fd, const char* data, std::size_t size) override {
    return ::write(fd, data, size);
  }
  int Truncate(int fd, std::int64_t length) override { return ::ftruncate(fd, length); }
  int Close(int fd) override { return ::close(fd); }
};

}  // namespace

Disk& SystemDisk() {
  static SystemDiskImpl disk;
  return disk;
}

}  // namespace quillfold
