#ifndef QUILLFOLD_RUNTIME_DISK_H_
#define QUILLFOLD_RUNTIME_DISK_H_

#include <sys/types.h>

#include <cstddef>
#include <cstdint>

namespace quillfold {

// What a name in a folder stands for.
enum class FileKind { kRegular, kSymbolicLink, kFolder, kDevice, kNamedPipe, kSocket, kOther };

struct FileStatus {
  FileKind kind = FileKind::kOther;
  std::int64_t size = 0;  // In bytes.
};

// The system calls behind file output, behind an interface so that tests can
// fake the faults a real disk rarely shows on demand (a short write, an
// error on close). Each call returns what the system call would and leaves
// the reason in errno.
class Disk {
 public:
  virtual ~Disk() = default;
  // Opens `path` for appending, creating it when absent: a descriptor or -1.
  // A symbolic link in the last component is not followed (ELOOP), so a
  // page file can never send records to a file elsewhere.
  virtual int OpenForAppend(const char* path) = 0;
  // What the open descriptor is, and its length: 0 or -1.
  virtual int Status(int fd, FileStatus& status) = 0;
  // What `path` itself is, a symbolic link not followed: 0 or -1.
  virtual int LinkStatus(const char* path, FileStatus& status) = 0;
  virtual ssize_t Write(int fd, const char* data, std::size_t size) = 0;
  // Cuts the file back to `length` bytes: 0 or -1.
  virtual int Truncate(int fd, std::int64_t length) = 0;
  virtual int Close(int fd) = 0;
};

// The real file system.
Disk& SystemDisk();

}  // namespace quillfold

#endif  // QUILLFOLD_RUNTIME_DISK_H_
