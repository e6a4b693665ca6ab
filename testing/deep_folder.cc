#include "testing/deep_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <stdexcept>

namespace quillfold::testing {
namespace {

constexpr std::size_t kNameMax = 255;

// Removes everything inside the folder open as `dir_fd`, then closes it.
void EmptyFolder(int dir_fd) {
  DIR* dir = fdopendir(dir_fd);
  if (dir == nullptr) {
    close(dir_fd);
    return;
  }
  std::vector<std::pair<std::string, bool>> entries;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") entries.emplace_back(name, entry->d_type == DT_DIR);
  }
  for (const auto& [name, is_folder] : entries) {
    if (is_folder) {
      const int sub = openat(dirfd(dir), name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
      if (sub >= 0) EmptyFolder(sub);
    }
    unlinkat(dirfd(dir), name.c_str(), is_folder ? AT_REMOVEDIR : 0);
  }
  closedir(dir);
}

// Opens the folder at the end of `levels` below `base`, one step at a time.
int OpenLevels(const std::string& base, const std::vector<std::string>& levels) {
  int fd = open(base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  for (const std::string& level : levels) {
    if (fd < 0) break;
    const int next = openat(fd, level.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    close(fd);
    fd = next;
  }
  if (fd < 0) throw std::runtime_error("cannot open a level below " + base);
  return fd;
}

}  // namespace

DeepFolder::DeepFolder(const std::string& base, std::size_t path_length)
    : base_(base), path_(base) {
  if (path_length <= base.size() + 1) throw std::runtime_error("path too short");
  int fd = open(base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  while (path_.size() < path_length) {
    // "/" plus a name; the last level takes exactly what is left, and a level
    // is never left shorter than one byte.
    std::size_t left = path_length - path_.size() - 1;
    std::size_t length = std::min(left, kNameMax);
    if (left > kNameMax && left - kNameMax < 2) length = kNameMax - 2;
    const std::string name(length, static_cast<char>('a' + levels_.size() % 26));
    if (fd < 0 || mkdirat(fd, name.c_str(), 0777) != 0) {
      if (fd >= 0) close(fd);
      throw std::runtime_error("cannot make a level of a deep folder");
    }
    const int next = openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    fchmod(next, 0777);  // Reachable by an unprivileged user too.
    close(fd);
    fd = next;
    levels_.push_back(name);
    path_ += "/" + name;
  }
  if (fd >= 0) close(fd);
}

DeepFolder::~DeepFolder() {
  if (levels_.empty()) return;
  // Only the chain itself goes: `base` may hold other things.
  const int base_fd = open(base_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (base_fd < 0) return;
  const int top = openat(base_fd, levels_[0].c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (top >= 0) EmptyFolder(top);
  unlinkat(base_fd, levels_[0].c_str(), AT_REMOVEDIR);
  close(base_fd);
}

void DeepFolder::MakeFiles(const std::vector<std::string>& names) const {
  const int fd = OpenLevels(base_, levels_);
  for (const std::string& name : names) {
    const int file = openat(fd, name.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (file < 0) {
      close(fd);
      throw std::runtime_error("cannot create " + name + " in a deep folder");
    }
    close(file);
  }
  close(fd);
}

}  // namespace quillfold::testing
