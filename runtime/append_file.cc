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
    case FileKind::kFilteredFile:
    case FileKind::kOther:
      break;
  }
  return "no regular file";
}

// A file that holds bytes, whether the file system keeps them itself or
// through a filter.
bool IsFile(FileKind kind) { return kind == FileKind::kRegular || kind == FileKind::kFilteredFile; }

Error NotARegularFile(const std::string& path, FileKind kind) {
  return Error(kPathFileAccessError, path + " is " + std::string(KindName(kind)));
}

}  // namespace

AppendFile::AppendFile(const Folder& folder, std::string name)
    : disk_(folder.disk()),
      folder_(folder.handle()),
      name_(std::move(name)),
      path_(folder.PathOf(name_)) {
  if (const int open_error = disk_.OpenForAppend(folder_, name_, file_, made_)) {
    // A name that is no regular file is said as such rather than as the
    // system's reason ("Too many levels of symbolic links").
    FileStatus status;
    if (disk_.LinkStatus(folder_, name_, status) == 0 && !IsFile(status.kind)) {
      throw NotARegularFile(path_, status.kind);
    }
    throw FileError(open_error, path_);
  }
  is_open_ = true;
  FileStatus status = OpenFileStatus();
  if (status.kind == FileKind::kFilteredFile) {
    // Opened as it lies on the disk, past its filter, which would leave a
    // cloud placeholder's bytes out: opened again through the filter, and
    // it must still be the file examined.
    const FileStatus examined = status;
    Release();
    if (const int error = disk_.OpenFilteredForAppend(folder_, name_, file_)) {
      throw FileError(error, path_);
    }
    is_open_ = true;
    status = OpenFileStatus();
    if (status.volume != examined.volume || status.id != examined.id) {
      Release();
      throw Error(kPathFileAccessError, path_ + " was replaced while it was opened");
    }
  }
  size_ = status.size;
}

FileStatus AppendFile::OpenFileStatus() {
  // Checked on the open file, so that nothing can be swapped in between the
  // check and the writes.
  FileStatus status;
  if (const int error = disk_.Status(file_, status)) {
    Release();
    throw FileError(error, path_);
  }
  if (!IsFile(status.kind)) {
    Release();
    throw NotARegularFile(path_, status.kind);
  }
  return status;
}

void AppendFile::Release() {
  // A failure is already on its way, so a failed removal only leaves the
  // empty file as it was before there was a removal.
  if (made_ && size_ == 0) disk_.RemoveMade(folder_, name_, file_);
  disk_.Close(file_);
  is_open_ = false;
}

AppendFile::~AppendFile() {
  if (is_open_) Release();
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
  if (const int write_error = TryFlush(written)) {
    // Closed even after a failed write, so no file stays open past the
    // error.
    Release();
    throw FileError(write_error, path_);
  }
  is_open_ = false;
  if (const int close_error = disk_.Close(file_)) throw FileError(close_error, path_);
}

}  // namespace quillfold
