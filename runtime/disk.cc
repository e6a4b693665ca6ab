#include "runtime/disk.h"

#include <fcntl.h>
#include <unistd.h>

namespace quillfold {
namespace {

class SystemDiskImpl : public Disk {
 public:
  int OpenForAppend(const char* path) override {
    return ::open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
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
