#ifndef QUILLFOLD_WINDOW_SHARED_START_FOLDER_H_
#define QUILLFOLD_WINDOW_SHARED_START_FOLDER_H_

#include <string>

#include "window/shared/folder_lines.h"

namespace quillfold {

// What the system tells of the folders the window may open at start. Paths
// are absolute, in the system's own style; empty when the system cannot
// name the folder.
struct StartPlaces {
  // The process's current folder. POSIX systems cannot name one that was
  // deleted (getcwd fails).
  std::string current;
  // Whether the current folder's sub-folders could be listed.
  bool current_listed = false;
  // The user's home folder (HOME, else the user database; on Windows the
  // profile folder).
  std::string home;
  // The root, which always exists: the last resort.
  std::string root;
};

// The folder the window opens at start: the current folder, where the user
// started it. When that is gone or cannot be read, the home folder: else
// the window would open somewhere the user never chose (the root, for a
// folder that was deleted) and Step 2 would write there without a word.
// Without a home folder, the current folder if the system names it (the
// path down to it still shows where a run would write), else the root.
std::string StartFolder(const StartPlaces& places);

// The folder StartFolder chooses and its lines, listed by `list`: the
// current folder is tried first, which tells `current_listed` (the one
// given is not read). A start folder that cannot be listed either shows the lines down
// to it alone: nothing is reported while the window is being made, and the
// path still shows where a run would write.
ListedFolder ListStartFolder(StartPlaces places, const ListFolderLines& list, PathStyle style);

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_SHARED_START_FOLDER_H_
