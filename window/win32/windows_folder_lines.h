#ifndef QUILLFOLD_WINDOW_WIN32_WINDOWS_FOLDER_LINES_H_
#define QUILLFOLD_WINDOW_WIN32_WINDOWS_FOLDER_LINES_H_

#include <string>
#include <vector>

#include "window/shared/folder_lines.h"

namespace quillfold {

// Whether UTF-16 name `a` sorts before `b` in Dir1: ignoring case as the
// file system does, then by code units so names equal but for case keep a
// fixed order.
bool LessIgnoringCaseWide(const std::string& a, const std::string& b);

// Dir1's lines for `open_folder`: its path and its sub-folders, sorted
// ignoring case. Raises the file error when the folder cannot be read.
std::vector<FolderLine> WindowsFolderLines(const std::string& open_folder);

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_WIN32_WINDOWS_FOLDER_LINES_H_
