#include "platform/windows/exact_path.h"

#include <algorithm>
#include <vector>

namespace quillfold {
namespace {

bool IsSlash(wchar_t c) { return c == L'\\' || c == L'/'; }

bool HasDrive(std::wstring_view path) {
  return path.size() >= 2 &&
         ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z')) &&
         path[1] == L':';
}

bool SameDrive(wchar_t a, wchar_t b) { return (a | 0x20) == (b | 0x20); }

// The text up to the next separator, taken off `path` with that separator.
std::wstring_view NextName(std::wstring_view& path) {
  const std::size_t end = std::min(path.find_first_of(L"\\/"), path.size());
  const std::wstring_view name = path.substr(0, end);
  path.remove_prefix(std::min(end + 1, path.size()));
  return name;
}

// Splits a full path ("C:\...", "\\server\share\...") into its root, as the
// result writes it ("C:", "\\server\share"), and the rest; false for any
// other form.
bool SplitRoot(std::wstring_view full, std::wstring& root, std::wstring_view& rest) {
  if (HasDrive(full)) {
    root = full.substr(0, 2);
    rest = full.substr(2);
    return rest.empty() || IsSlash(rest.front());
  }
  if (full.size() < 2 || !IsSlash(full[0]) || !IsSlash(full[1])) return false;
  rest = full.substr(2);
  const std::wstring_view server = NextName(rest);
  while (!rest.empty() && IsSlash(rest.front())) rest.remove_prefix(1);
  const std::wstring_view share = NextName(rest);
  if (server.empty() || share.empty()) return false;
  root = L"\\\\" + std::wstring(server) + L"\\" + std::wstring(share);
  return true;
}

std::wstring Resolved(std::wstring_view full) {
  std::wstring root;
  std::wstring_view rest;
  if (!SplitRoot(full, root, rest)) return {};
  std::vector<std::wstring_view> names;
  while (!rest.empty()) {
    const std::wstring_view name = NextName(rest);
    if (name == L"..") {
      if (!names.empty()) names.pop_back();
    } else if (!name.empty() && name != L".") {
      names.push_back(name);
    }
  }
  if (names.empty() && !root.starts_with(L"\\\\")) return root + L"\\";
  for (const std::wstring_view name : names) {
    root += L'\\';
    root += name;
  }
  return root;
}

}  // namespace

std::wstring ExactFullPath(std::wstring_view path, std::wstring_view current_folder,
                           const std::function<std::wstring(wchar_t drive)>& drive_folder) {
  if (path.starts_with(L"\\\\?\\")) return std::wstring(path);
  if (path.size() >= 2 && IsSlash(path[0]) && IsSlash(path[1])) {
    // "\\.\" and "//?/" name devices, which the system resolves itself.
    if (path.size() >= 4 && (path[2] == L'.' || path[2] == L'?') && IsSlash(path[3])) return {};
    return Resolved(path);
  }
  if (HasDrive(path)) {
    if (path.size() > 2 && IsSlash(path[2])) return Resolved(path);
    const bool current_drive = HasDrive(current_folder) && SameDrive(current_folder[0], path[0]);
    const std::wstring folder =
        current_drive ? std::wstring(current_folder) : drive_folder(path[0]);
    return Resolved(folder + L"\\" + std::wstring(path.substr(2)));
  }
  if (!path.empty() && IsSlash(path.front())) {
    std::wstring root;
    std::wstring_view rest;
    if (!SplitRoot(current_folder, root, rest)) return {};
    return Resolved(root + std::wstring(path));
  }
  return Resolved(std::wstring(current_folder) + L"\\" + std::wstring(path));
}

bool ExactFormStands(DWORD attributes, DWORD error) {
  if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:  // A name the file system cannot hold.
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
      return false;
    default:
      return true;
  }
}

}  // namespace quillfold
