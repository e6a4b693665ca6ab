#ifndef QUILLFOLD_RUNTIME_APPEND_FILE_H_
#define QUILLFOLD_RUNTIME_APPEND_FILE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/disk.h"
#include "runtime/folder.h"

namespace quillfold {

// A regular file opened for appending, written through an in-memory buffer
// so that many small records cost one system call. Existing content is never
// read or changed; new bytes always land after it.
class AppendFile {
 public:
  // Opens the file `name` in `folder`, creating it when absent; raises the
  // file error on failure, and error 75 when the name is a symbolic link, a
  // folder, a device, a named pipe or anything else that is no regular file.
  // A filtered file (a OneDrive placeholder) is opened through its filter,
  // and error 75 raised should another file have taken its name meanwhile.
  AppendFile(const Folder& folder, std::string name);
  AppendFile(const AppendFile&) = delete;
  AppendFile& operator=(const AppendFile&) = delete;
  // Releases the file without writing what is still buffered: a
  // file is only left this way when a failure is already on its way. A file
  // this object made that holds no byte is removed again, so a failed run
  // leaves no empty page.
  ~AppendFile();

  const std::string& name() const { return name_; }
  // Its path, for messages.
  const std::string& path() const { return path_; }

  // The file's length: at opening, plus every byte written since.
  std::int64_t size() const { return size_; }

  // Bytes waiting to be written; callers append to it directly.
  std::string& buffer() { return buffer_; }

  // Writes the buffer out and empties it. Returns 0, or the system's error
  // code when a write failed; `written` receives how many buffered bytes
  // reached the file either way.
  int TryFlush(std::size_t& written);

  // Cuts the file back to `length` bytes, so that a write that failed
  // halfway leaves nothing of itself. Returns 0 or the system's error code.
  int CutBack(std::int64_t length);

  // Writes out the buffer and closes the file; raises the file error. After
  // a failed write the file is released as by the destructor.
  void Close();

 private:
  // What the open file is; closes it and raises unless it holds bytes.
  FileStatus OpenFileStatus();
  // Closes the file, removing it first when it was made here and is empty.
  void Release();

  Disk& disk_;
  FolderHandle folder_;
  std::string name_;
  std::string path_;
  std::string buffer_;
  FileHandle file_{};
  bool is_open_ = false;
  bool made_ = false;  // Created by this object's open.
  std::int64_t size_ = 0;
};

}  // namespace quillfold

#endif  // QUILLFOLD_RUNTIME_APPEND_FILE_H_
