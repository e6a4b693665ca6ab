#ifndef QUILLFOLD_RUNTIME_ABSOLUTE_FOLDER_H_
#define QUILLFOLD_RUNTIME_ABSOLUTE_FOLDER_H_

#include <string>

namespace quillfold {

// What ".." means in a folder path the user gave.
enum class ParentSteps {
  // The system's own meaning: on POSIX systems ".." after a name the user
  // gave, which may be a link to a folder elsewhere, is that folder's
  // parent, so it is kept for the system to follow; right after the current
  // folder's own path, which names no link, it is resolved.
  kAsTheSystemFollows,
  // One step up the path as written, the way the folder list moves up: a
  // path the list shows has no "." or ".." in it.
  kUpThePath,
};

// `folder` as an absolute path without "." parts, repeated separators or a
// trailing separator, except for a root ("/", "C:\"). A relative folder is
// taken from the current one; an empty folder is the current one. Windows
// resolves ".." up the path either way, as its own file functions do, and
// keeps a name's trailing dots and blanks where the folder so named exists
// (platform/windows/wide_text.h, FullPath).
// Raises the file error when the current folder cannot be found out.
std::string AbsoluteFolder(const std::string& folder,
                           ParentSteps parent_steps = ParentSteps::kAsTheSystemFollows);

}  // namespace quillfold

#endif  // QUILLFOLD_RUNTIME_ABSOLUTE_FOLDER_H_
