#include "window/win32/windows_folder_lines.h"

#include <windows.h>
// After windows.h, which they need.
#include <shlobj.h>

#include <utility>

#include "platform/windows/wide_text.h"
#include "runtime/list_folder_files.h"

namespace quillfold {
namespace {

// Empty when the system cannot name it.
std::string CurrentFolder() {
  const DWORD length = GetCurrentDirectoryW(0, nullptr);
  if (length == 0) return {};
  std::wstring folder(length, L'\0');
  folder.resize(GetCurrentDirectoryW(length, folder.data()));
  return FromWide(folder);
}

// The user's profile folder (C:\Users\ann): USERPROFILE, else the shell's;
// empty when neither names it.
std::string ProfileFolder() {
  if (const DWORD length = GetEnvironmentVariableW(L"USERPROFILE", nullptr, 0); length > 1) {
    std::wstring folder(length, L'\0');
    folder.resize(GetEnvironmentVariableW(L"USERPROFILE", folder.data(), length));
    return FromWide(folder);
  }
  PWSTR path = nullptr;
  std::string folder;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Profile, 0, nullptr, &path))) folder = FromWide(path);
  CoTaskMemFree(path);
  return folder;
}

// The root of the drive Windows is on ("C:\"), which always exists.
std::string SystemRoot() {
  std::wstring windows(MAX_PATH, L'\0');
  windows.resize(GetSystemWindowsDirectoryW(windows.data(), MAX_PATH));
  return FromWide(windows.substr(0, 3));
}

}  // namespace

FolderSystem WindowsFolders() {
  return {[] {
            return StartPlaces{
                .current = CurrentFolder(), .home = ProfileFolder(), .root = SystemRoot()};
          },
          WindowsFolderLines, PathStyle::kWindows};
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

}  // namespace quillfold
