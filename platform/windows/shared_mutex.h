#ifndef QUILLFOLD_PLATFORM_WINDOWS_SHARED_MUTEX_H_
#define QUILLFOLD_PLATFORM_WINDOWS_SHARED_MUTEX_H_

#include <windows.h>

#include "platform/windows/windows_calls.h"

namespace quillfold {

// What every user is let do with a shared mutex, and all a program asks when
// it opens one: wait on it, and let go of it once it holds it. Releasing is
// MUTEX_MODIFY_STATE's part ("the right to release a named mutex", .NET's
// MutexRights.Modify), though Win32's page on synchronization object rights
// calls it reserved; only the holder can release a mutex anyway.
inline constexpr DWORD kSharedMutexAccess = SYNCHRONIZE | MUTEX_MODIFY_STATE;

// Creates the named mutex `name`, or opens it when it exists, so that the
// programs of every user and session share it: made with a security
// descriptor that grants everyone kSharedMutexAccess and its owner every
// right, where the default descriptor of its maker's token would keep other
// users out; opened asking for kSharedMutexAccess only. Returns null, with
// GetLastError() set, when it cannot be had.
HANDLE CreateSharedMutex(WindowsCalls& calls, const wchar_t* name);

}  // namespace quillfold

#endif  // QUILLFOLD_PLATFORM_WINDOWS_SHARED_MUTEX_H_
