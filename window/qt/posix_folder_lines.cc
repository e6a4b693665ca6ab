#include "window/qt/posix_folder_lines.h"

#include <pwd.h>
#include <unistd.h>

#include <QFile>
#include <QString>
#include <cstdlib>
#include <memory>

#include "runtime/list_folder_files.h"

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

// Empty when the system cannot name it: getcwd fails once the folder has
// been removed.
std::string CurrentFolder() {
  std::unique_ptr<char, void (*)(void*)> cwd(getcwd(nullptr, 0), std::free);
  return cwd ? std::string(cwd.get()) : std::string();
}

// HOME, else the user database's entry; empty when neither names an
// absolute folder.
std::string HomeFolder() {
  std::string home;
  if (const char* variable = std::getenv("HOME"); variable != nullptr && variable[0] == '/') {
    home = variable;
  } else if (const passwd* user = getpwuid(getuid());
             user != nullptr && user->pw_dir != nullptr && user->pw_dir[0] == '/') {
    home = user->pw_dir;
  }
  while (home.size() > 1 && home.back() == '/') home.pop_back();
  return home;
}

}  // namespace

FolderSystem PosixFolders() {
  return {[] { return StartPlaces{.current = CurrentFolder(), .home = HomeFolder(), .root = "/"}; },
          PosixFolderLines, PathStyle::kPosix};
}

std::vector<FolderLine> PosixFolderLines(const std::string& folder) {
  return FolderLines(folder, ShownSubfolderNames(folder), PathStyle::kPosix, LessIgnoringCase);
}

}  // namespace quillfold
