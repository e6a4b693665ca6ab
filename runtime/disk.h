#ifndef QUILLFOLD_RUNTIME_DISK_H_
#define QUILLFOLD_RUNTIME_DISK_H_

#include <sys/types.h>

#include <cstddef>

namespace quillfold {

// The system calls behind file output, behind an interface so that tests can
// fake the faults a real disk rarely shows on demand (a short write, an
// error on close). Each call returns what the system call would and leaves
// the reason in errno.
class Disk {
 public:
  virtual ~Disk() = default;
  // Opens `path` for appending, creating it when absent: a descriptor or -1.
  virtual int OpenForAppend(const char* path) = 0;
  virtual ssize_t Write(int fd, const char* data, std::size_t size) = 0;
  virtual int Close(int fd) = 0;
};

// The real file system.
Disk& SystemDisk();

}  // namespace quillfold

#endif  // QUILLFOLD_RUNTIME_DISK_H_
