#include "runtime/list_folder_files.h"

#include "runtime/error.h"

namespace quillfold {
namespace {

FileNameList ListEntries(const Folder& folder, EntryKind kind) {
  FileNameList names;
  const int error = folder.disk().ListFolder(folder.handle(), kind,
                                             [&names](std::string_view name) { names.Add(name); });
  if (error != 0) throw FileError(error, folder.path());
  return names;
}

}  // namespace

FileNameList ListFolderFiles(const Folder& folder) { return ListEntries(folder, EntryKind::kFile); }

FileNameList ListSubfolders(const std::string& folder, Disk& disk) {
  return ListEntries(Folder(disk, folder), EntryKind::kFolder);
}

}  // namespace quillfold
