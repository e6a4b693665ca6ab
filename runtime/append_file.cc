#include "runtime/append_file.h"

#include <cerrno>

#include "runtime/error.h"

namespace quillfold {

AppendFile::AppendFile(Disk& disk, std::string path)
    : disk_(disk), path_(std::move(path)), fd_(disk_.OpenForAppend(path_.c_str())) {
  if (fd_ < 0) throw FileError(errno, path_);
}

AppendFile::~AppendFile() {
  if (fd_ >= 0) disk_.Close(fd_);
}

int AppendFile::TryFlush(std::size_t& written) {
  written = 0;
  int error = 0;
  while (written < buffer_.size()) {
    const ssize_t result = disk_.Write(fd_, buffer_.data() + written, buffer_.size() - written);
    if (result < 0) {
      if (errno == EINTR) continue;
      error = errno;
      break;
    }
    if (result == 0) {  // A write that makes no progress would loop forever.
      error = EIO;
      break;
    }
    written += static_cast<std::size_t>(result);
  }
  buffer_.clear();
  return error;
}

void AppendFile::Close() {
  std::size_t written;
  const int write_error = TryFlush(written);
  const int fd = fd_;
  fd_ = -1;
  // Close even after a failed write, so no descriptor outlives the error.
  const int close_result = disk_.Close(fd);
  const int close_error = errno;
  if (write_error != 0) throw FileError(write_error, path_);
  if (close_result != 0 && close_error != EINTR) throw FileError(close_error, path_);
}

}  // namespace quillfold
