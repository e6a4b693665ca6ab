#include "window/shared/start_folder.h"

#include <optional>
#include <utility>
#include <vector>

#include "runtime/error.h"

namespace quillfold {
namespace {

// The folder's lines, none when its sub-folders cannot be read.
std::optional<std::vector<FolderLine>> ListedLines(const std::string& folder,
                                                   const ListFolderLines& list) {
  try {
    return list(folder);
  } catch (const Error&) {
    return std::nullopt;
  }
}

}  // namespace

std::string StartFolder(const StartPlaces& places) {
  if (!places.current.empty() && places.current_listed) return places.current;
  if (!places.home.empty()) return places.home;
  if (!places.current.empty()) return places.current;
  return places.root;
}

ListedFolder ListStartFolder(StartPlaces places, const ListFolderLines& list, PathStyle style) {
  std::optional<std::vector<FolderLine>> lines;
  if (!places.current.empty()) lines = ListedLines(places.current, list);
  places.current_listed = lines.has_value();
  std::string folder = StartFolder(places);
  if (folder != places.current) lines = ListedLines(folder, list);
  if (!lines) lines = FolderPathLines(folder, style);
  return {std::move(folder), std::move(*lines)};
}

}  // namespace quillfold
