#ifndef QUILLFOLD_RUNTIME_APPEND_FILE_H_
#define QUILLFOLD_RUNTIME_APPEND_FILE_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "runtime/disk.h"

namespace quillfold {

// A file opened for appending, written through an in-memory buffer so that
// many small records cost one system call. Existing content is never read or
// changed; new bytes always land after it.
class AppendFile {
 public:
  // Opens `path`, creating it when absent; raises the file error on failure.
  AppendFile(Disk& disk, std::string path);
  AppendFile(const AppendFile&) = delete;
  AppendFile& operator=(const AppendFile&) = delete;
  // Releases the descriptor without writing what is still buffered: a
  // file is only left this way when a failure is already on its way.
  ~AppendFile();

  const std::string& path() const { return path_; }

  // Bytes waiting to be written; callers append to it directly.
  std::string& buffer() { return buffer_; }

  // Writes the buffer out and empties it. Returns 0, or the system's error
  // code when a write failed; `written` receives how many buffered bytes
  // reached the file either way.
  int TryFlush(std::size_t& written);

  // Writes out the buffer and closes the file; raises the file error.
  void Close();

 private:
  Disk& disk_;
  std::string path_;
  std::string buffer_;
  int fd_;
};

}  // namespace quillfold

#endif  // QUILLFOLD_RUNTIME_APPEND_FILE_H_
