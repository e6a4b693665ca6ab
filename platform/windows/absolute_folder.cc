#include "runtime/absolute_folder.h"

#include <windows.h>

#include <string_view>

#include "platform/windows/wide_text.h"
#include "runtime/error.h"

namespace quillfold {
namespace {

bool IsSlash(wchar_t c) { return c == L'\\' || c == L'/'; }

// How much of a full path is its root, which keeps its final "\": "C:\", or
// "\\?\C:\" in the long form. A share ("\\server\share") needs none.
std::size_t RootLength(std::wstring_view path) {
  std::size_t prefix = 0;
  if (path.starts_with(L"\\\\?\\")) prefix = 4;
  if (path.size() >= prefix + 3 && path[prefix + 1] == L':' && IsSlash(path[prefix + 2])) {
    return prefix + 3;
  }
  return 1;
}

}  // namespace

std::string AbsoluteFolder(const std::string& folder, ParentSteps) {
  const std::string given = folder.empty() ? "." : folder;
  std::wstring full = FullPath(ToWide(given));
  if (full.empty()) throw FileError(static_cast<int>(GetLastError()), given);
  const std::size_t root = RootLength(full);
  while (full.size() > root && IsSlash(full.back())) full.pop_back();
  return FromWide(full);
}

}  // namespace quillfold
