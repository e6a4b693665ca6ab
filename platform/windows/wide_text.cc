#include "platform/windows/wide_text.h"

#include <windows.h>

#include "platform/windows/exact_path.h"
#include "runtime/wtf8.h"

namespace quillfold {
namespace {

// wchar_t is a UTF-16 unit on Windows, so the two views share one layout.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

bool IsSlash(wchar_t c) { return c == L'\\' || c == L'/'; }

bool IsDriveAbsolute(std::wstring_view path) {
  return path.size() >= 3 &&
         ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z')) &&
         path[1] == L':' && IsSlash(path[2]);
}

bool IsUnc(std::wstring_view path) {
  return path.size() >= 3 && IsSlash(path[0]) && IsSlash(path[1]) && !IsSlash(path[2]);
}

// A full path ("C:\...", "\\server\share\...") in the "\\?\" form.
std::wstring LongForm(const std::wstring& full) {
  if (full.starts_with(L"\\\\?\\")) return full;
  if (IsUnc(full)) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

// `path` made full by the system, which drops trailing dots and blanks.
std::wstring SystemFullPath(const std::wstring& path) {
  std::wstring full(path.size() + 16, L'\0');
  for (;;) {
    const DWORD length =
        GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0) return std::wstring();
    if (length < full.size()) {
      full.resize(length);
      return full;
    }
    full.resize(length);  // The size asked for, which includes the final NUL.
  }
}

// Empty when the system cannot name it.
std::wstring CurrentFolder() {
  const DWORD length = GetCurrentDirectoryW(0, nullptr);
  if (length == 0) return {};
  std::wstring folder(length, L'\0');
  folder.resize(GetCurrentDirectoryW(length, folder.data()));
  return folder;
}

}  // namespace

std::wstring ToWide(std::string_view bytes) {
  const std::u16string text = Utf16FromWtf8(bytes);
  return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

std::string FromWide(std::wstring_view text) {
  return Wtf8FromUtf16(
      std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}

std::wstring FullPath(const std::wstring& path) {
  const std::wstring system = SystemFullPath(path);
  if (system.empty()) return system;
  const std::wstring exact = ExactFullPath(path, CurrentFolder(), [](wchar_t drive) {
    // The drive's own current folder, or its root (GetFullPathNameW: "U:").
    return SystemFullPath(std::wstring{drive, L':'});
  });
  if (exact.empty() || exact == system) return system;
  const DWORD attributes = GetFileAttributesW(LongForm(exact).c_str());
  return ExactFormStands(attributes, GetLastError()) ? exact : system;
}

std::wstring SystemPath(std::string_view path) {
  std::wstring wide = ToWide(path);
  if (wide.starts_with(L"\\\\?\\") || wide.starts_with(L"\\\\.\\")) return wide;
  if (!IsUnc(wide) && !IsDriveAbsolute(wide)) return wide;
  std::wstring full = FullPath(wide);
  if (full.empty()) return wide;
  return LongForm(full);
}

}  // namespace quillfold
