#include "testing/memory_file_system.h"

#include <sys/statvfs.h>

#include <cstdlib>

namespace quillfold::testing {

void PreferMemoryFileSystem(long files) {
  // Room for the files' inodes, the pages written about them and a margin.
  struct statvfs memory;
  if (statvfs("/dev/shm", &memory) == 0 &&
      static_cast<double>(memory.f_bavail) * memory.f_frsize > 4e9 &&
      memory.f_favail > static_cast<unsigned long>(files + files / 5 + 20000)) {
    setenv("TMPDIR", "/dev/shm", 1);
  }
}

}  // namespace quillfold::testing
