#ifndef QUILLFOLD_PLATFORM_WINDOWS_EXACT_PATH_H_
#define QUILLFOLD_PLATFORM_WINDOWS_EXACT_PATH_H_

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace quillfold {

// The full form of a path that keeps every name as written. Windows' own
// (GetFullPathNameW, and every file call given a path without "\\?\")
// drops a name's trailing dots and blanks: "foo." and "bar " become "foo"
// and "bar", which may be another folder or none, while Linux, macOS, WSL
// and archive tools make such names (Microsoft, "File path formats on
// Windows systems", Trim characters).

// `path` made full as Windows makes it (same document: "/" as "\", a
// relative path taken from `current_folder`, "\docs" from its root, "D:docs"
// from `drive_folder('D')` when `current_folder` is on another drive, "."
// and ".." resolved up the path and never above the root "C:\" or
// "\\server\share"), but with no character trimmed and no trailing
// separator but a drive root's. A path in the "\\?\" form, which Windows
// takes as it is, stays as it is. Empty when there is no such form: a
// "\\.\" device path, a share path without a share, or a relative path
// whose folder has none.
std::wstring ExactFullPath(std::wstring_view path, std::wstring_view current_folder,
                           const std::function<std::wstring(wchar_t drive)>& drive_folder);

// Whether the exact form stands for the folder meant, given what
// GetFileAttributesW answered for it: `attributes`, or
// INVALID_FILE_ATTRIBUTES and the `error`. It does when it names a folder,
// and when the check failed for a reason other than the name being absent
// (access denied, a share that does not answer): opening it then reports
// that reason instead of writing into the folder the shortened form names.
bool ExactFormStands(DWORD attributes, DWORD error);

}  // namespace quillfold

#endif  // QUILLFOLD_PLATFORM_WINDOWS_EXACT_PATH_H_
