#include "platform/standard_descriptors.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace quillfold {

void OpenStandardDescriptors() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    // Read-only on every descriptor: reading gives end of file, and writing
    // still fails with EBADF as it did while the descriptor was closed, so a
    // closed standard output is reported like any unwritable one.
    const int opened = ::open("/dev/null", O_RDONLY);
    // The lowest free descriptor is this one; anything else means the
    // system could not give us a safe start.
    if (opened != fd) std::abort();
  }
}

}  // namespace quillfold
