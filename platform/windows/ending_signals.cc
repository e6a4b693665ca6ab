#include "runtime/ending_signals.h"

#include <windows.h>

#include "platform/ending_signal_state.h"

namespace quillfold {
namespace {

using ending_signals::BeginWrite;
using ending_signals::EndsNow;
using ending_signals::EndWrite;

// The status Ctrl+C gives a console program that does not handle it.
constexpr UINT kControlExitStatus = 0xC000013A;

// Called on a thread of its own for each console event.
BOOL WINAPI OnConsoleEvent(DWORD event) {
  // Nothing is being written: the next handler, the system's own, ends the
  // program as it would have without this one.
  if (EndsNow(static_cast<int>(event) + 1)) return FALSE;
  // The writer ends the program once its record is whole (or the program is
  // ending already); returning would let the system end it sooner.
  for (;;) Sleep(INFINITE);
}

}  // namespace

void PrepareEndingSignals() { SetConsoleCtrlHandler(OnConsoleEvent, TRUE); }

EndingSignalsHeld::EndingSignalsHeld() {
  // The console's handler is ending the program: start nothing.
  while (!BeginWrite()) Sleep(INFINITE);
}

EndingSignalsHeld::~EndingSignalsHeld() {
  if (EndWrite() != 0) ExitProcess(kControlExitStatus);
}

}  // namespace quillfold
