#include "platform/windows/session_end.h"

#include <windows.h>

#include "platform/ending_signal_state.h"

namespace quillfold {
namespace {

// Beyond the console's events, which count from 1.
constexpr int kSessionEnded = 100;

}  // namespace

void EndWithTheSession() {
  if (ending_signals::EndsNow(kSessionEnded)) ExitProcess(0);
  // The writer ends the program when its record is whole.
  for (;;) Sleep(INFINITE);
}

}  // namespace quillfold
