// Folder snapshots on POSIX systems.

#include "testing/folder_snapshot.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <stdexcept>

namespace quillfold::testing {

int OpenFolderByLevels(const std::string& folder) {
  int fd = open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  std::size_t begin = 0;
  while (fd >= 0 && begin < folder.size()) {
    std::size_t end = folder.find('/', begin);
    if (end == std::string::npos) end = folder.size();
    const std::string level = folder.substr(begin, end - begin);
    begin = end + 1;
    if (level.empty()) continue;
    const int next = openat(fd, level.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    close(fd);
    fd = next;
  }
  return fd;
}

namespace {

std::string ReadAt(int dir_fd, const char* name) {
  const int fd = openat(dir_fd, name, O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) throw std::runtime_error(std::string("cannot read ") + name);
  std::string bytes;
  char chunk[65536];
  for (ssize_t n; (n = read(fd, chunk, sizeof chunk)) > 0;) bytes.append(chunk, n);
  close(fd);
  return bytes;
}

}  // namespace

FolderBytes SnapshotFolder(const std::string& folder) {
  FolderBytes files;
  const int fd = OpenFolderByLevels(folder);
  if (fd < 0) return files;
  DIR* dir = fdopendir(fd);
  if (dir == nullptr) {
    close(fd);
    throw std::runtime_error("cannot list " + folder);
  }
  while (const dirent* entry = readdir(dir)) {
    struct stat status;
    if (fstatat(dirfd(dir), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(status.st_mode)) {
      continue;
    }
    files[entry->d_name] = ReadAt(dirfd(dir), entry->d_name);
  }
  closedir(dir);
  return files;
}

}  // namespace quillfold::testing
