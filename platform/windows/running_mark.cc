#include "platform/windows/running_mark.h"

#include "platform/windows/shared_mutex.h"

namespace quillfold {

void MarkRunning(WindowsCalls& calls) {
  // Every user's programs share the global mark. One that an older Quillfold
  // of another user made, with that user's default rights, keeps this user
  // out (access denied): the installer then sees that one and this
  // session's.
  if (CreateSharedMutex(calls, L"Global\\Quillfold-running") != nullptr) return;
  CreateSharedMutex(calls, L"Local\\Quillfold-running");
}

}  // namespace quillfold
