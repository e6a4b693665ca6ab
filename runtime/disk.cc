#include "runtime/disk.h"

#include <fcntl.h>
#include <unistd.h>

namespace quillfold {
namespace {

class SystemDiskImpl : public Disk {
 public:
  int OpenForAppend(const char* path) override {
    // Non-blocking, so that a named pipe without a reader fails at once
    // instead of holding the run forever; writes block again as usual.
    const int fd = ::open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd >= 0) ::fcntl(fd, F_SETFL, O_APPEND);
    return fd;
  }
  ssize_t Write(int fd, const char* data, std::size_t size) override {
    return ::write(fd, data, size);
  }
  int Close(int fd) override { return ::close(fd); }
};

}  // namespace

Disk& SystemDisk() {
  static SystemDiskImpl disk;
  return disk;
}

}  // namespace quillfold
