#include "testing/folder_snapshot.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <stdexcept>

namespace quillfold::testing {
namespace {

int OpenFolder(const std::string& folder) {
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

std::string ReadAt(int dir_fd, const char* name) {
  const int fd = openat(dir_fd, name, O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) throw std::runtime_error(std::string("cannot read ") + name);
  std::string bytes;
  char chunk[65536];
  for (ssize_t n; (n = read(fd, chunk, sizeof chunk)) > 0;) bytes.append(chunk, n);
  close(fd);
  return bytes;
}

std::string Shown(const std::string& bytes, std::size_t from) {
  std::string shown;
  for (std::size_t i = from; i < bytes.size() && i < from + 40; ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte >= 0x20 && byte < 0x7F) {
      shown += bytes[i];
    } else {
      static constexpr char kHex[] = "0123456789ABCDEF";
      shown += "\\x";
      shown += kHex[byte >> 4];
      shown += kHex[byte & 0xF];
    }
  }
  return "\"" + shown + "\"";
}

}  // namespace

FolderBytes SnapshotFolder(const std::string& folder) {
  FolderBytes files;
  const int fd = OpenFolder(folder);
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

std::string FirstDifference(const FolderBytes& expected, const FolderBytes& actual) {
  for (const auto& [name, bytes] : expected) {
    const auto found = actual.find(name);
    if (found == actual.end()) return "missing file " + Shown(name, 0);
    if (found->second == bytes) continue;
    const auto [at, ignored] =
        std::mismatch(bytes.begin(), bytes.end(), found->second.begin(), found->second.end());
    const auto offset = static_cast<std::size_t>(at - bytes.begin());
    return "file " + Shown(name, 0) + " differs at byte " + std::to_string(offset) + " of " +
           std::to_string(bytes.size()) + " expected, " + std::to_string(found->second.size()) +
           " found: expected " + Shown(bytes, offset) + ", found " + Shown(found->second, offset);
  }
  for (const auto& [name, bytes] : actual) {
    if (!expected.contains(name)) return "unexpected file " + Shown(name, 0);
  }
  return "";
}

FolderBytes Grown(FolderBytes before, const FolderBytes& added) {
  for (const auto& [name, bytes] : added) before[name] += bytes;
  return before;
}

}  // namespace quillfold::testing
