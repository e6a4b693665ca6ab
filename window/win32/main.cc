// quillfold.exe: the Windows window.
#include <windows.h>
// After windows.h, which it needs.
#include <objbase.h>

#include <string>
#include <vector>

#include "platform/windows/command_line.h"
#include "platform/windows/program_start.h"
#include "platform/windows/wide_text.h"
#include "window/win32/form1.h"
#include "window/win32/window_arguments.h"

namespace {

constexpr int kExitUsage = 2;

}  // namespace

// quillfold.exe [[--] FOLDER]: the window, open on FOLDER when one is given.
// The program has no console, so the help and a usage mistake are shown in
// a message box.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  quillfold::StartProgram();
  // ShellExecuteW, which opens the read-me, may call on COM, which it asks
  // its callers to have started on their thread.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  const std::vector<std::string> arguments = quillfold::ProgramArguments();
  const quillfold::WindowArguments command = quillfold::ParseWindowArguments(arguments);
  switch (command.action) {
    case quillfold::WindowArguments::Action::kHelp: {
      const std::wstring text = quillfold::ToWide(quillfold::WindowUsageText());
      MessageBoxW(nullptr, text.c_str(), L"Quillfold", MB_OK | MB_ICONINFORMATION);
      return 0;
    }
    case quillfold::WindowArguments::Action::kUsageError: {
      const std::wstring text = quillfold::ToWide("quillfold: " + command.usage_error + "\n\n" +
                                                  std::string(quillfold::WindowUsageText()));
      MessageBoxW(nullptr, text.c_str(), L"Quillfold", MB_OK | MB_ICONERROR);
      return kExitUsage;
    }
    case quillfold::WindowArguments::Action::kStart:
      break;
  }
  quillfold::Form1 form(instance);
  form.ShowCentered(show_command);
  if (!command.folder.empty()) form.OpenGivenFolder(command.folder);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Tab, Shift+Tab and Enter move through the controls as in a dialog.
    if (form.PreTranslate(message) || IsDialogMessageW(form.handle(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
