#ifndef QUILLFOLD_PLATFORM_WINDOWS_RUNNING_MARK_H_
#define QUILLFOLD_PLATFORM_WINDOWS_RUNNING_MARK_H_

#include "platform/windows/windows_calls.h"

namespace quillfold {

// Makes this process known as a running Quillfold until it ends, so that the
// installer and the uninstaller refuse to replace or remove the programs
// under it. The mark is a named mutex that the process never closes:
// "Global\Quillfold-running", which an installer in any session sees and
// the programs of every user share (platform/windows/shared_mutex.h), or,
// when that cannot be had, "Local\Quillfold-running" of this session. The
// installer looks for both, opening them for SYNCHRONIZE only
// (packaging/windows/common.nsh). Without either the program still runs: the
// mark only guards an installer.
void MarkRunning(WindowsCalls& calls = SystemCalls());

}  // namespace quillfold

#endif  // QUILLFOLD_PLATFORM_WINDOWS_RUNNING_MARK_H_
