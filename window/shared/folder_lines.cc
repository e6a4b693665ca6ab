#include "window/shared/folder_lines.h"

#include <algorithm>
#include <utility>

namespace quillfold {
namespace {

char Separator(PathStyle style) { return style == PathStyle::kWindows ? '\\' : '/'; }

bool IsSeparator(char c, PathStyle style) {
  // Windows takes "/" as well as "\" between names.
  return c == Separator(style) || (style == PathStyle::kWindows && c == '/');
}

// The length of the root that starts `path`: "/" on POSIX; on Windows a
// drive "C:\" or a share "\\server\share\", the separator included.
std::size_t RootLength(std::string_view path, PathStyle style) {
  if (style == PathStyle::kPosix) return path.empty() ? 0 : 1;
  if (path.size() >= 2 && path[1] == ':') return std::min<std::size_t>(path.size(), 3);
  if (path.size() >= 2 && IsSeparator(path[0], style) && IsSeparator(path[1], style)) {
    // Past the server's name and the share's.
    std::size_t end = 2;
    for (int names = 0; names < 2 && end < path.size(); ++names) {
      while (end < path.size() && !IsSeparator(path[end], style)) ++end;
      if (end < path.size()) ++end;
    }
    return end;
  }
  return 0;
}

// The root as a folder path: it always ends with its separator.
std::string RootPath(std::string_view path, PathStyle style) {
  std::string root(path.substr(0, RootLength(path, style)));
  std::replace_if(
      root.begin(), root.end(), [style](char c) { return IsSeparator(c, style); },
      Separator(style));
  if (root.empty() || !IsSeparator(root.back(), style)) root += Separator(style);
  return root;
}

std::string JoinPath(const std::string& folder, const std::string& name, PathStyle style) {
  if (!folder.empty() && IsSeparator(folder.back(), style)) return folder + name;
  return folder + Separator(style) + name;
}

}  // namespace

std::vector<FolderLine> FolderPathLines(std::string_view open_folder, PathStyle style) {
  const std::string root = RootPath(open_folder, style);
  std::vector<FolderLine> lines{{root, root, 0, true}};
  std::string path = root;
  std::size_t start = RootLength(open_folder, style);
  while (start < open_folder.size()) {
    std::size_t end = start;
    while (end < open_folder.size() && !IsSeparator(open_folder[end], style)) ++end;
    if (end > start) {
      const std::string name(open_folder.substr(start, end - start));
      path = JoinPath(path, name, style);
      lines.push_back({path, name, static_cast<int>(lines.size()), true});
    }
    start = end + 1;
  }
  return lines;
}

std::vector<FolderLine> FolderLines(std::string_view open_folder,
                                    std::vector<std::string> subfolders, PathStyle style,
                                    const NameLess& less) {
  std::sort(subfolders.begin(), subfolders.end(), less);
  std::vector<FolderLine> lines = FolderPathLines(open_folder, style);
  const std::string folder = lines.back().path;
  const int depth = static_cast<int>(lines.size());
  for (std::string& name : subfolders) {
    std::string path = JoinPath(folder, name, style);
    lines.push_back({std::move(path), std::move(name), depth, false});
  }
  return lines;
}

}  // namespace quillfold
