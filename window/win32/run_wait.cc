#include "window/win32/run_wait.h"

#include <optional>

namespace quillfold {
namespace {

bool IsUserInput(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
         (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) ||
         message == WM_NCMOUSEHOVER || message == WM_NCMOUSELEAVE || message == WM_INPUT;
}

}  // namespace

void WaitForRunEnd(HWND window) {
  std::optional<WPARAM> quit;
  MSG message;
  for (;;) {
    if (GetMessageW(&message, nullptr, 0, 0) == 0) {
      // Ending the program is the main loop's to do, once the run is over.
      quit = message.wParam;
      continue;
    }
    if (message.message == kRunEndedMessage && message.hwnd == window) break;
    if (IsUserInput(message.message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (quit) PostQuitMessage(static_cast<int>(*quit));
}

}  // namespace quillfold
