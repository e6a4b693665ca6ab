#include "platform/windows/program_start.h"

#include <windows.h>

#include "platform/windows/running_mark.h"

namespace quillfold {
namespace {

// From ntdll's headers (ntifs.h): the placeholders of the cloud files API
// shown to this process as reparse points.
constexpr char kPlaceholdersExposed = 2;  // PHCM_EXPOSE_PLACEHOLDERS

// RtlSetProcessPlaceholderCompatibilityMode (Windows 10 1803 and later;
// looked up, as earlier versions have no placeholders to hide). It answers
// the mode it replaced, or a negative PHCM_ERROR_*; on failure the process
// keeps the default, placeholders hidden, and Quillfold sees plain files, as
// it did before. Microsoft, "Build a cloud sync engine that supports
// placeholder files", compatibility with applications that use reparse
// points.
void ExposePlaceholders() {
  using SetMode = CHAR(NTAPI*)(CHAR);
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  if (ntdll == nullptr) return;
  // Through void*: a FARPROC is no pointer to this function type.
  const auto set_mode = reinterpret_cast<SetMode>(
      reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlSetProcessPlaceholderCompatibilityMode")));
  if (set_mode != nullptr) set_mode(kPlaceholdersExposed);
}

}  // namespace

void StartProgram() {
  MarkRunning();
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  ExposePlaceholders();
}

}  // namespace quillfold
