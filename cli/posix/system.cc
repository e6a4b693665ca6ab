// The command line's side of a POSIX system.

#include "cli/system.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string_view>
#include <vector>

#include "runtime/error.h"

namespace quillfold {

namespace {

void AddParts(std::string_view path, std::vector<std::string_view>& parts) {
  while (!path.empty()) {
    const std::size_t end = std::min(path.find('/'), path.size());
    if (end > 0) parts.push_back(path.substr(0, end));
    path.remove_prefix(std::min(end + 1, path.size()));
  }
}

}  // namespace

std::string AbsoluteFolder(const std::string& folder) {
  std::string cwd;
  std::vector<std::string_view> parts;
  if (folder.empty() || folder.front() != '/') {
    std::vector<char> buffer(4096);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
      if (errno != ERANGE) throw FileError(errno, ".");
      buffer.resize(buffer.size() * 2);
    }
    cwd = buffer.data();
    AddParts(cwd, parts);
  }
  // The current folder's own parts name no link, so ".." right after them
  // is its parent; after a part of the user's, which may be a link, ".."
  // stays. "." is always the folder before it.
  std::size_t canonical = parts.size();
  std::vector<std::string_view> given;
  AddParts(folder, given);
  for (const std::string_view part : given) {
    if (part == ".") continue;
    if (part == ".." && parts.size() == canonical) {
      if (!parts.empty()) parts.pop_back();
      canonical = parts.size();
      continue;
    }
    parts.push_back(part);
  }
  std::string path;
  for (const std::string_view part : parts) {
    path += '/';
    path += part;
  }
  return path.empty() ? "/" : path;
}

bool IsReaderGone(int system_code) { return system_code == EPIPE; }

StandardStream::StandardStream(Which which)
    : handle_(which == Which::kOutput ? STDOUT_FILENO : STDERR_FILENO),
      terminal_(isatty(static_cast<int>(handle_)) == 1) {}

int StandardStream::Write(std::string_view text) {
  std::size_t written = 0;
  while (written < text.size()) {
    const ssize_t result =
        ::write(static_cast<int>(handle_), text.data() + written, text.size() - written);
    if (result > 0) {
      written += static_cast<std::size_t>(result);
    } else if (result < 0 && errno == EINTR) {
      continue;
    } else {
      // A write that makes no progress would be asked again forever.
      return result == 0 ? EIO : errno;
    }
  }
  return 0;
}

}  // namespace quillfold
