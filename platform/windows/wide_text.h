#ifndef QUILLFOLD_PLATFORM_WINDOWS_WIDE_TEXT_H_
#define QUILLFOLD_PLATFORM_WINDOWS_WIDE_TEXT_H_

#include <string>
#include <string_view>

namespace quillfold {

// The engine's bytes (UTF-8, WTF-8 for names; see runtime/wtf8.h) as the
// UTF-16 the Win32 API takes, and back.
std::wstring ToWide(std::string_view bytes);
std::string FromWide(std::wstring_view text);

// `path` made full: absolute, from the current folder and drive, with ".",
// ".." and "/" resolved. Its names keep their trailing dots and blanks when
// that exact form names an existing folder (see platform/windows/
// exact_path.h); otherwise it is the system's own full form, which drops
// them. Empty when the system cannot make it; GetLastError then tells why.
std::wstring FullPath(const std::wstring& path);

// `path` as the system's file calls should get it. An absolute path ("C:\..."
// or "\\server\share\...") is made full by FullPath and put in the "\\?\"
// form, which lifts the MAX_PATH limit of 260 characters and passes every
// name through as it is; a path already in that form stays as it is; a
// relative one is left to the system to resolve.
std::wstring SystemPath(std::string_view path);

}  // namespace quillfold

#endif  // QUILLFOLD_PLATFORM_WINDOWS_WIDE_TEXT_H_
