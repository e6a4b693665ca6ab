#ifndef QUILLFOLD_RUNTIME_LIST_FOLDER_FILES_H_
#define QUILLFOLD_RUNTIME_LIST_FOLDER_FILES_H_

#include <string>

#include "runtime/disk.h"
#include "runtime/file_name_list.h"
#include "runtime/folder.h"

namespace quillfold {

// The names of the entries directly in `folder` that are not folders, as the
// file system's bytes, in the order the system enumerates them, hidden files
// included. A symbolic link counts as what it points to; a dangling link is
// a file. An empty folder gives an empty list.
//
// A path that names no folder raises error 76 (Path not found); a folder that
// cannot be read raises its file error.
FileNameList ListFolderFiles(const Folder& folder);

// The names of the folders directly in `folder`, "." and ".." left out, in
// the order the system enumerates them; a symbolic link to a folder counts
// as a folder. Raises the same errors as ListFolderFiles.
FileNameList ListSubfolders(const std::string& folder, Disk& disk = SystemDisk());

}  // namespace quillfold

#endif  // QUILLFOLD_RUNTIME_LIST_FOLDER_FILES_H_
