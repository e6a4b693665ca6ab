#include "platform/windows/shared_mutex.h"

#include <sddl.h>

namespace quillfold {
namespace {

// Everyone (WD) gets kSharedMutexAccess; the owner, the user whose program
// made the mutex (OW, "owner rights"), every right. Made once, kept for the
// life of the process.
PSECURITY_DESCRIPTOR SharedDescriptor() {
  static const PSECURITY_DESCRIPTOR descriptor = [] {
    PSECURITY_DESCRIPTOR made = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(A;;GA;;;OW)(A;;0x00100001;;;WD)",
                                                              SDDL_REVISION_1, &made, nullptr)) {
      return PSECURITY_DESCRIPTOR{nullptr};
    }
    return made;
  }();
  static_assert(kSharedMutexAccess == 0x00100001, "the descriptor's text grants this access");
  return descriptor;
}

}  // namespace

HANDLE CreateSharedMutex(WindowsCalls& calls, const wchar_t* name) {
  const PSECURITY_DESCRIPTOR descriptor = SharedDescriptor();
  // Only memory running out keeps a constant descriptor from being made.
  if (descriptor == nullptr) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  SECURITY_ATTRIBUTES security{sizeof security, descriptor, FALSE};
  return calls.CreateMutexExW(&security, name, 0, kSharedMutexAccess);
}

}  // namespace quillfold
