#include "platform/windows/running_mark.h"

#include <windows.h>

namespace quillfold {

void MarkRunning() {
  // Another user's program made the global one with rights that keep this
  // user out (access denied): the installer sees that one and this session's.
  if (CreateMutexW(nullptr, FALSE, L"Global\\Quillfold-running") != nullptr) return;
  CreateMutexW(nullptr, FALSE, L"Local\\Quillfold-running");
}

}  // namespace quillfold
