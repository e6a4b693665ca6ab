#include "listing/list_folder_files.h"

#include "runtime/error.h"

namespace quillfold {
namespace {

FileNameList ListEntries(const std::string& folder, EntryKind kind, Disk& disk) {
  FileNameList names;
  const int error =
      disk.ListFolder(folder, kind, [&names](std::string_view name) { names.Add(name); });
  if (error != 0) throw FileError(error, folder);
  return names;
}

}  // namespace

FileNameList ListFolderFiles(const std::string& folder, Disk& disk) {
  return ListEntries(folder, EntryKind::kFile, disk);
}

FileNameList ListSubfolders(const std::string& folder, Disk& disk) {
  return ListEntries(folder, EntryKind::kFolder, disk);
}

}  // namespace quillfold
