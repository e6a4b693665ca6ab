#ifndef QUILLFOLD_TESTING_FAKE_DISK_H_
#define QUILLFOLD_TESTING_FAKE_DISK_H_

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <map>
#include <string>

#include "runtime/disk.h"

namespace quillfold::testing {

// Files in memory, with faults on demand: a disk that fills up after a
// number of bytes, a close or a cut that fails, files that cannot be opened,
// names that are no regular file.
class FakeDisk : public Disk {
 public:
  std::map<std::string, std::string> files;
  std::map<std::string, int> open_errors;  // path -> errno of its open
  std::map<std::string, FileKind> kinds;   // path -> what it is, when no regular file
  std::size_t space = std::numeric_limits<std::size_t>::max();      // bytes left
  std::size_t max_write = std::numeric_limits<std::size_t>::max();  // per call
  int close_error = 0;
  int truncate_error = 0;
  int open_count = 0;
  int most_open = 0;
  int write_calls = 0;

  int OpenForAppend(const char* path) override {
    if (auto it = open_errors.find(path); it != open_errors.end()) {
      errno = it->second;
      return -1;
    }
    files[path];  // Created empty when absent, kept when present.
    fds_[next_fd_] = path;
    ++open_count;
    if (static_cast<int>(fds_.size()) > most_open) most_open = static_cast<int>(fds_.size());
    return next_fd_++;
  }

  int Status(int fd, FileStatus& status) override {
    return LinkStatus(fds_.at(fd).c_str(), status);
  }

  int LinkStatus(const char* path, FileStatus& status) override {
    if (auto it = kinds.find(path); it != kinds.end()) {
      status = {it->second, 0};
      return 0;
    }
    auto file = files.find(path);
    if (file == files.end()) {
      errno = ENOENT;
      return -1;
    }
    status = {FileKind::kRegular, static_cast<std::int64_t>(file->second.size())};
    return 0;
  }

  int Truncate(int fd, std::int64_t length) override {
    if (truncate_error != 0) {
      errno = truncate_error;
      return -1;
    }
    files[fds_.at(fd)].resize(static_cast<std::size_t>(length));
    return 0;
  }

  ssize_t Write(int fd, const char* data, std::size_t size) override {
    ++write_calls;
    if (space == 0) {
      errno = ENOSPC;
      return -1;
    }
    const std::size_t n = std::min({size, space, max_write});
    files[fds_.at(fd)].append(data, n);
    if (space != std::numeric_limits<std::size_t>::max()) space -= n;
    return static_cast<ssize_t>(n);
  }

  int Close(int fd) override {
    fds_.erase(fd);
    if (close_error != 0) {
      errno = close_error;
      return -1;
    }
    return 0;
  }

  int open_now() const { return static_cast<int>(fds_.size()); }

 private:
  std::map<int, std::string> fds_;
  int next_fd_ = 3;
};

}  // namespace quillfold::testing

#endif  // QUILLFOLD_TESTING_FAKE_DISK_H_
