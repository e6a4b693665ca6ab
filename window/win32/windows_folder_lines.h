#ifndef QUILLFOLD_WINDOW_WIN32_WINDOWS_FOLDER_LINES_H_
#define QUILLFOLD_WINDOW_WIN32_WINDOWS_FOLDER_LINES_H_

#include <string>
#include <vector>

#include "window/shared/folder_lines.h"
#include "window/shared/form_controller.h"

namespace quillfold {

// Whether UTF-16 name `a` sorts before `b` in Dir1: ignoring case as the
// file system does, then by code units so names equal but for case keep a
// fixed order.
bool LessIgnoringCaseWide(const std::string& a, const std::string& b);

// Dir1's lines for `open_folder`: its path and its sub-folders, sorted
// ignoring case. Raises the file error when the folder cannot be read.
std::vector<FolderLine> WindowsFolderLines(const std::string& open_folder);

// The folders of Windows for the folder list: the current folder, the
// profile folder and the Windows drive's root to start in, and
// WindowsFolderLines.
FolderSystem WindowsFolders();

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_WIN32_WINDOWS_FOLDER_LINES_H_
