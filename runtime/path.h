#ifndef QUILLFOLD_RUNTIME_PATH_H_
#define QUILLFOLD_RUNTIME_PATH_H_

namespace quillfold {

// The separator between a folder and a name in the paths the engine builds,
// and the one a folder path given to it ends with only when it is a root
// ("/" on POSIX systems, "C:\" on Windows).
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// Whether the system's names are UTF-16, reaching the engine as WTF-8, where
// a surrogate without its partner is one character written as three bytes
// (Windows); elsewhere names are bytes, and those three are three bytes of
// ill-formed UTF-8.
#ifdef _WIN32
inline constexpr bool kNamesAreUtf16 = true;
#else
inline constexpr bool kNamesAreUtf16 = false;
#endif

}  // namespace quillfold

#endif  // QUILLFOLD_RUNTIME_PATH_H_
