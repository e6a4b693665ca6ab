// Temporary folders and whole files on Windows, through the "\\?\" form of
// their paths so that tests can go deeper than MAX_PATH.

#include "testing/temp_folder.h"

#include <windows.h>

#include <stdexcept>
#include <string>

#include "platform/windows/wide_text.h"

namespace quillfold::testing {
namespace {

std::wstring TempArea() {
  wchar_t path[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, path);
  if (length == 0 || length > MAX_PATH) throw std::runtime_error("no temporary folder");
  return std::wstring(path, length);  // Ends with "\".
}

// Removes `path` (long form) with everything in it: read-only files and
// links too, a link without what it points to.
void RemoveTree(const std::wstring& path) {
  WIN32_FIND_DATAW entry;
  const HANDLE find = FindFirstFileExW((path + L"\\*").c_str(), FindExInfoBasic, &entry,
                                       FindExSearchNameMatch, nullptr, 0);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = entry.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring child = path + L"\\" + name;
      SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileW(child.c_str());
      } else {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) RemoveTree(child);
        RemoveDirectoryW(child.c_str());
      }
    } while (FindNextFileW(find, &entry));
    FindClose(find);
  }
  RemoveDirectoryW(path.c_str());
}

}  // namespace

TempFolder::TempFolder() {
  const std::wstring area = TempArea();
  for (unsigned attempt = 0; attempt < 1000; ++attempt) {
    const std::wstring name = area + L"quillfold-test-" + std::to_wstring(GetCurrentProcessId()) +
                              L"-" + std::to_wstring(GetTickCount64() % 100000) + L"-" +
                              std::to_wstring(attempt);
    if (CreateDirectoryW(name.c_str(), nullptr)) {
      path_ = FromWide(name);
      return;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  throw std::runtime_error("cannot make a temporary folder");
}

TempFolder::~TempFolder() { RemoveTree(SystemPath(path_)); }

std::string ReadFile(const std::string& path) {
  const HANDLE file = CreateFileW(SystemPath(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot read " + path);
  std::string bytes;
  char chunk[65536];
  DWORD got = 0;
  while (::ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(file);
  return bytes;
}

void WriteFile(const std::string& path, std::string_view content) {
  const HANDLE file = CreateFileW(SystemPath(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write " + path);
  DWORD written = 0;
  const bool ok =
      ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
      written == content.size();
  CloseHandle(file);
  if (!ok) throw std::runtime_error("cannot write " + path);
}

void MakeFolder(const std::string& path) {
  if (!CreateDirectoryW(SystemPath(path).c_str(), nullptr)) {
    throw std::runtime_error("cannot make " + path);
  }
}

}  // namespace quillfold::testing
