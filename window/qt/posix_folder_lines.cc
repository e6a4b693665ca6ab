#include "window/qt/posix_folder_lines.h"

#include <QFile>
#include <QString>

#include "listing/list_folder_files.h"

namespace quillfold {
namespace {

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

// Ignoring case needs the names as text, decoded as the file system's
// names are; names that differ only in case still get a fixed order from
// their bytes.
bool LessIgnoringCase(const std::string& a, const std::string& b) {
  const int order =
      QString::compare(QFile::decodeName(QByteArray::fromStdString(a)),
                       QFile::decodeName(QByteArray::fromStdString(b)), Qt::CaseInsensitive);
  return order != 0 ? order < 0 : a < b;
}

}  // namespace

std::vector<FolderLine> PosixFolderLines(const std::string& folder) {
  return FolderLines(folder, ShownSubfolderNames(folder), PathStyle::kPosix, LessIgnoringCase);
}

}  // namespace quillfold
