#include "listing/list_folder_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <memory>

#include "runtime/error.h"

namespace quillfold {
namespace {

struct DirCloser {
  void operator()(DIR* dir) const { closedir(dir); }
};

bool IsDot(const char* name) {
  return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// Whether an entry is a folder, following symbolic links. Most file systems
// report the type in the entry itself, so a stat is needed only for links and
// the rare file system that does not.
bool IsFolder(int dir_fd, const dirent& entry) {
  if (entry.d_type == DT_DIR) return true;
  if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) return false;
  struct stat status;
  // A dangling link, or an entry removed since it was read, is no folder.
  return fstatat(dir_fd, entry.d_name, &status, 0) == 0 && S_ISDIR(status.st_mode);
}

enum class EntryKind { kFile, kFolder };

// The entries of `folder` of one kind; anything that is not a folder counts
// as a file.
FileNameList ListEntries(const std::string& folder, EntryKind kind) {
  std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
  if (!dir) throw FileError(errno, folder);
  const int dir_fd = dirfd(dir.get());
  FileNameList names;
  for (;;) {
    errno = 0;
    const dirent* entry = readdir(dir.get());
    if (entry == nullptr) {
      if (errno != 0) throw FileError(errno, folder);
      break;
    }
    if (IsDot(entry->d_name) || IsFolder(dir_fd, *entry) != (kind == EntryKind::kFolder)) {
      continue;
    }
    names.Add(entry->d_name);
  }
  return names;
}

}  // namespace

FileNameList ListFolderFiles(const std::string& folder) {
  return ListEntries(folder, EntryKind::kFile);
}

FileNameList ListSubfolders(const std::string& folder) {
  return ListEntries(folder, EntryKind::kFolder);
}

}  // namespace quillfold
