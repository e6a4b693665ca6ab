#ifndef QUILLFOLD_PLATFORM_WINDOWS_WINDOWS_DISK_H_
#define QUILLFOLD_PLATFORM_WINDOWS_WINDOWS_DISK_H_

#include <memory>

#include "platform/windows/windows_calls.h"
#include "runtime/disk.h"

namespace quillfold {

// The Windows disk, SystemDisk(), making its calls through `calls`, which
// must outlive it: the real code, given the answers of another file system
// or version of Windows.
std::unique_ptr<Disk> MakeWindowsDisk(WindowsCalls& calls);

}  // namespace quillfold

#endif  // QUILLFOLD_PLATFORM_WINDOWS_WINDOWS_DISK_H_
