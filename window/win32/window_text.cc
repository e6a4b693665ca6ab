#include "window/win32/window_text.h"

#include <windows.h>

#include <cmath>

#include "platform/windows/wide_text.h"
#include "runtime/list_folder_files.h"
#include "runtime/shown_name.h"
#include "window/shared/form_layout.h"

namespace quillfold {

std::wstring ShownName(std::string_view name) {
  std::string shown;
  AppendShownName(name, shown);
  return ToWide(shown);
}

std::wstring ErrorBoxText(const Error& error) {
  std::string detail;
  AppendShownMessage(error.detail(), detail);
  return ToWide(ErrorHeading(error.number(), error.text())) + L"\r\n\r\n" + ToWide(detail);
}

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

int FontHeight(double points, int dots_per_inch) {
  return -static_cast<int>(std::lround(points * dots_per_inch / 72.0));
}

}  // namespace quillfold
