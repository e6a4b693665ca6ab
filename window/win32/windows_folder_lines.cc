#include "window/win32/windows_folder_lines.h"

#include <windows.h>

#include <utility>

#include "listing/list_folder_files.h"
#include "platform/windows/wide_text.h"

namespace quillfold {

bool LessIgnoringCaseWide(const std::string& a, const std::string& b) {
  const std::wstring wide_a = ToWide(a);
  const std::wstring wide_b = ToWide(b);
  const int order = CompareStringOrdinal(wide_a.data(), static_cast<int>(wide_a.size()),
                                         wide_b.data(), static_cast<int>(wide_b.size()), TRUE);
  if (order != CSTR_EQUAL) return order == CSTR_LESS_THAN;
  return wide_a < wide_b;
}

std::vector<FolderLine> WindowsFolderLines(const std::string& open_folder) {
  const FileNameList subfolders = ListSubfolders(open_folder);
  std::vector<std::string> names;
  names.reserve(subfolders.size());
  for (std::size_t i = 0; i < subfolders.size(); ++i) names.emplace_back(subfolders[i]);
  return FolderLines(open_folder, std::move(names), PathStyle::kWindows, LessIgnoringCaseWide);
}

}  // namespace quillfold
