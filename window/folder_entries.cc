#include "window/folder_entries.h"

#include <dirent.h>
#include <sys/stat.h>

#include <QFile>
#include <QString>
#include <algorithm>
#include <cerrno>
#include <memory>
#include <utility>

#include "runtime/error.h"

namespace quillfold {
namespace {

std::string JoinPath(const std::string& folder, const std::string& name) {
  return folder == "/" ? "/" + name : folder + "/" + name;
}

bool IsFolder(const std::string& folder, const dirent& entry) {
  if (entry.d_type == DT_DIR) return true;
  if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) return false;
  // Links, and file systems that do not report types, need a look at the
  // target itself.
  struct stat status;
  return stat(JoinPath(folder, entry.d_name).c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::vector<std::string> SubfolderNames(const std::string& folder) {
  std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
  if (!dir) throw FileError(errno, folder);
  std::vector<std::string> names;
  for (;;) {
    errno = 0;
    const dirent* entry = readdir(dir.get());
    if (entry == nullptr) break;
    if (entry->d_name[0] == '.') continue;  // Also skips "." and "..".
    if (IsFolder(folder, *entry)) names.emplace_back(entry->d_name);
  }
  if (errno != 0) throw FileError(errno, folder);
  return names;
}

// Ignoring case needs the names as text; names that differ only in case
// still get a fixed order from their bytes.
void SortIgnoringCase(std::vector<std::string>& names) {
  std::vector<std::pair<QString, std::string>> keyed;
  keyed.reserve(names.size());
  for (std::string& name : names) {
    keyed.emplace_back(QFile::decodeName(QByteArray::fromStdString(name)), std::move(name));
  }
  std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
    const int order = QString::compare(a.first, b.first, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a.second < b.second;
  });
  names.clear();
  for (auto& [key, name] : keyed) names.push_back(std::move(name));
}

}  // namespace

std::vector<FolderEntry> FolderPathEntries(const std::string& folder) {
  std::vector<FolderEntry> entries{{"/", "/", 0, true}};
  std::string path;
  std::size_t start = 1;
  while (start < folder.size()) {
    std::size_t end = folder.find('/', start);
    if (end == std::string::npos) end = folder.size();
    const std::string name = folder.substr(start, end - start);
    path += "/" + name;
    entries.push_back({path, name, static_cast<int>(entries.size()), true});
    start = end + 1;
  }
  return entries;
}

std::vector<FolderEntry> FolderEntries(const std::string& folder) {
  std::vector<std::string> names = SubfolderNames(folder);
  SortIgnoringCase(names);
  std::vector<FolderEntry> entries = FolderPathEntries(folder);
  const int depth = static_cast<int>(entries.size());
  for (const std::string& name : names) {
    entries.push_back({JoinPath(folder, name), name, depth, false});
  }
  return entries;
}

}  // namespace quillfold
