// quillfold.exe: the Windows window.
#include <windows.h>

#include "platform/windows/running_mark.h"
#include "window/win32/form1.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  quillfold::MarkRunning();
  quillfold::Form1 form(instance);
  form.ShowCentered(show_command);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Tab, Shift+Tab and Enter move through the controls as in a dialog.
    if (form.PreTranslate(message) || IsDialogMessageW(form.handle(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
