#include "window/folder_entries.h"

#include <QFile>
#include <QString>
#include <algorithm>
#include <utility>

#include "listing/list_folder_files.h"

namespace quillfold {
namespace {

std::string JoinPath(const std::string& folder, const std::string& name) {
  return folder == "/" ? "/" + name : folder + "/" + name;
}

// The sub-folders the list shows: those whose names start with a dot are
// left out, as file managers hide them.
std::vector<std::string> ShownSubfolderNames(const std::string& folder) {
  const FileNameList subfolders = ListSubfolders(folder);
  std::vector<std::string> names;
  for (std::size_t i = 0; i < subfolders.size(); ++i) {
    if (!subfolders[i].starts_with('.')) names.emplace_back(subfolders[i]);
  }
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
  std::vector<std::string> names = ShownSubfolderNames(folder);
  SortIgnoringCase(names);
  std::vector<FolderEntry> entries = FolderPathEntries(folder);
  const int depth = static_cast<int>(entries.size());
  for (const std::string& name : names) {
    entries.push_back({JoinPath(folder, name), name, depth, false});
  }
  return entries;
}

}  // namespace quillfold
