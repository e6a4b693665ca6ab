#include "runtime/append_file.h"

#include <string_view>

#include "runtime/error.h"

namespace quillfold {

namespace {

std::string_view KindName(FileKind kind) {
  switch (kind) {
    case FileKind::kSymbolicLink:
      return "a symbolic link";
    case FileKind::kReparsePoint:
      return "a reparse point";
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

AppendFile::AppendFile(const Folder& folder, std::string name)
    : disk_(folder.disk()), name_(std::move(name)), path_(folder.PathOf(name_)) {
  FileStatus status;
  if (const int open_error = disk_.OpenForAppend(folder.handle(), name_, file_)) {
    // A name that is no regular file is said as such rather than as the
    // system's reason ("Too many levels of symbolic links").
    if (disk_.LinkStatus(folder.handle(), name_, status) == 0 &&
        status.kind != FileKind::kRegular) {
      throw NotARegularFile(path_, status.kind);
    }
    throw FileError(open_error, path_);
  }
  is_open_ = true;
  // Checked on the open file, so that nothing can be swapped in between the
  // check and the writes.
  const int status_error = disk_.Status(file_, status);
  if (status_error != 0 || status.kind != FileKind::kRegular) {
    disk_.Close(file_);
    is_open_ = false;
    if (status_error != 0) throw FileError(status_error, path_);
    throw NotARegularFile(path_, status.kind);
  }
  size_ = status.size;
}

AppendFile::~AppendFile() {
  if (is_open_) disk_.Close(file_);
}

int AppendFile::TryFlush(std::size_t& written) {
  written = 0;
  int error = 0;
  while (written < buffer_.size()) {
    std::size_t arrived = 0;
    error = disk_.Write(file_, std::string_view(buffer_).substr(written), arrived);
    written += arrived;
    if (error != 0) break;
  }
  size_ += static_cast<std::int64_t>(written);
  buffer_.clear();
  return error;
}

int AppendFile::CutBack(std::int64_t length) {
  if (const int error = disk_.Truncate(file_, length)) return error;
  size_ = length;
  return 0;
}

void AppendFile::Close() {
  std::size_t written;
  const int write_error = TryFlush(written);
  is_open_ = false;
  // Close even after a failed write, so no file stays open past the error.
  const int close_error = disk_.Close(file_);
  if (write_error != 0) throw FileError(write_error, path_);
  if (close_error != 0) throw FileError(close_error, path_);
}

}  // namespace quillfold
