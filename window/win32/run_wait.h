#ifndef QUILLFOLD_WINDOW_WIN32_RUN_WAIT_H_
#define QUILLFOLD_WINDOW_WIN32_RUN_WAIT_H_

#include <windows.h>

namespace quillfold {

// The message a run's thread posts to the window when the run has ended.
inline constexpr UINT kRunEndedMessage = WM_APP + 1;

// Waits for kRunEndedMessage to `window` while the thread goes on
// answering the system: paints, timers, messages sent by other programs
// (Windows marks a window that reads none for 5 seconds as "Not
// Responding"). Keys and clicks given meanwhile are dropped; refusing to
// close is the window's own part.
void WaitForRunEnd(HWND window);

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_WIN32_RUN_WAIT_H_
