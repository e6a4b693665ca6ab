#include "testing/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <stdexcept>

namespace quillfold::testing {

FolderLock::FolderLock(const std::string& folder)
    : fd_(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
  if (fd_ < 0 || flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    throw std::runtime_error("cannot lock " + folder);
  }
}

FolderLock::~FolderLock() { close(fd_); }

}  // namespace quillfold::testing
