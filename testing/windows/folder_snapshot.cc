// Folder snapshots on Windows.

#include "testing/folder_snapshot.h"

#include <windows.h>

#include "platform/windows/wide_text.h"
#include "testing/temp_folder.h"

namespace quillfold::testing {

FolderBytes SnapshotFolder(const std::string& folder) {
  FolderBytes files;
  WIN32_FIND_DATAW entry;
  const HANDLE find = FindFirstFileExW((SystemPath(folder) + L"\\*").c_str(), FindExInfoBasic,
                                       &entry, FindExSearchNameMatch, nullptr, 0);
  if (find == INVALID_HANDLE_VALUE) return files;
  do {
    // Folders and links are left out, as on POSIX systems.
    if (entry.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) {
      continue;
    }
    const std::string name = FromWide(entry.cFileName);
    files[name] = ReadFile(folder + kPathSeparator + name);
  } while (FindNextFileW(find, &entry));
  FindClose(find);
  return files;
}

}  // namespace quillfold::testing
