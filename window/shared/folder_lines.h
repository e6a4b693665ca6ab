#ifndef QUILLFOLD_WINDOW_SHARED_FOLDER_LINES_H_
#define QUILLFOLD_WINDOW_SHARED_FOLDER_LINES_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillfold {

// One line of Dir1, the folder list.
struct FolderLine {
  std::string path;   // Absolute, as the engine takes it.
  std::string name;   // What the line shows: the root's own path for the root.
  int depth = 0;      // Indentation: 0 for the root.
  bool open = false;  // On the way down to the open folder, or that folder.

  bool operator==(const FolderLine&) const = default;
};

// How a system writes folder paths.
enum class PathStyle {
  kPosix,    // "/", "/home/ann".
  kWindows,  // "C:\", "C:\Users\ann", "\\server\share\docs".
};

// Whether name `a` sorts before `b`, as the folder list orders sub-folders.
using NameLess = std::function<bool(const std::string& a, const std::string& b)>;

// The lines down to `open_folder` (absolute, no trailing separator except
// a root's): its root, each folder on the way, and the folder itself, all
// open, each one deeper than the last.
std::vector<FolderLine> FolderPathLines(std::string_view open_folder, PathStyle style);

// The lines of a classic directory list box whose open folder is
// `open_folder`: FolderPathLines, then `subfolders` (the names of its
// sub-folders) sorted by `less`, one deeper than the open folder.
std::vector<FolderLine> FolderLines(std::string_view open_folder,
                                    std::vector<std::string> subfolders, PathStyle style,
                                    const NameLess& less);

// A system's FolderLines for a folder, its sub-folders listed from the disk
// and shown as the system shows them. Raises the folder's error when they
// cannot be read.
using ListFolderLines = std::function<std::vector<FolderLine>(const std::string& folder)>;

// What the folder list shows once a folder is listed.
struct ListedFolder {
  std::string folder;  // The open folder.
  std::vector<FolderLine> lines;

  bool operator==(const ListedFolder&) const = default;
};

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_SHARED_FOLDER_LINES_H_
