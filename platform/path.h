#ifndef QUILLFOLD_PLATFORM_PATH_H_
#define QUILLFOLD_PLATFORM_PATH_H_

namespace quillfold {

// The separator between a folder and a name in the paths the engine builds,
// and the one a folder path given to it ends with only when it is a root
// ("/" on POSIX systems, "C:\" on Windows).
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

}  // namespace quillfold

#endif  // QUILLFOLD_PLATFORM_PATH_H_
