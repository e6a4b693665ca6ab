#include "runtime/append_file.h"

#include <cerrno>
#include <string_view>

#include "runtime/error.h"

namespace quillfold {

namespace {

std::string_view KindName(FileKind kind) {
  switch (kind) {
    case FileKind::kSymbolicLink:
      return "a symbolic link";
    case FileKind::kFolder:
      return "a folder";
    case FileKind::kDevice:
      return "a device";
    case FileKind::kNamedPipe:
      return "a named pipe";
    case FileKind::kSocket:
      return "a socket";
    case FileKind::kRegular:
    case FileKind::kOther:
      break;
  }
  return "no regular file";
}

Error NotARegularFile(const std::string& path, FileKind kind) {
  return Error(kPathFileAccessError, path + " is " + std::string(KindName(kind)));
}

}  // namespace

AppendFile::AppendFile(Disk& disk, std::string path)
    : disk_(disk), path_(std::move(path)), fd_(disk_.OpenForAppend(path_.c_str())) {
  FileStatus status;
  if (fd_ < 0) {
    const int open_error = errno;
    // A name that is no regular file is said as such rather than as the
    // system's reason ("Too many levels of symbolic links").
    if (disk_.LinkStatus(path_.c_str(), status) == 0 && status.kind != FileKind::kRegular) {
      throw NotARegularFile(path_, status.kind);
    }
    throw FileError(open_error, path_);
  }
  // Checked on the open descriptor, so that nothing can be swapped in
  // between the check and the writes.
  const int status_result = disk_.Status(fd_, status);
  const int status_error = errno;
  if (status_result != 0 || status.kind != FileKind::kRegular) {
    disk_.Close(fd_);
    fd_ = -1;
    if (status_result != 0) throw FileError(status_error, path_);
    throw NotARegularFile(path_, status.kind);
  }
  size_ = status.size;
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
  size_ += static_cast<std::int64_t>(written);
  buffer_.clear();
  return error;
}

int AppendFile::CutBack(std::int64_t length) {
  if (disk_.Truncate(fd_, length) != 0) return errno;
  size_ = length;
  return 0;
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
