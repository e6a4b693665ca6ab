#ifndef QUILLFOLD_WINDOW_QT_POSIX_FOLDER_LINES_H_
#define QUILLFOLD_WINDOW_QT_POSIX_FOLDER_LINES_H_

#include <string>
#include <vector>

#include "window/shared/folder_lines.h"
#include "window/shared/form_controller.h"

namespace quillfold {

// The lines of a classic directory list box whose open folder is `folder`
// (absolute, no trailing "/" except the root): the root and each folder on
// the way down to `folder`, ending with `folder` itself, then its direct
// sub-folders sorted by name ignoring case. Names starting with a dot are
// left out; a symbolic link to a folder counts as a folder.
//
// Raises the file error when `folder`'s sub-folders cannot be read.
std::vector<FolderLine> PosixFolderLines(const std::string& folder);

// The folders of a POSIX system for the folder list: the process's current
// directory, the home folder and "/" to start in, and PosixFolderLines.
FolderSystem PosixFolders();

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_QT_POSIX_FOLDER_LINES_H_
