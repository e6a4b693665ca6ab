#include "runtime/absolute_folder.h"

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

std::string AbsoluteFolder(const std::string& folder, ParentSteps parent_steps) {
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
  // Parts up to `resolvable` name no link: the current folder's own.
  std::size_t resolvable = parts.size();
  std::vector<std::string_view> given;
  AddParts(folder, given);
  for (const std::string_view part : given) {
    if (part == ".") continue;
    if (part == ".." && (parent_steps == ParentSteps::kUpThePath || parts.size() == resolvable)) {
      if (!parts.empty()) parts.pop_back();
      resolvable = parts.size();
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

}  // namespace quillfold
