// quillfold.exe: the Windows window.
#include <windows.h>
// After windows.h, which it needs.
#include <objbase.h>

#include <string>
#include <vector>

#include "platform/folder_argument.h"
#include "platform/windows/command_line.h"
#include "platform/windows/program_start.h"
#include "platform/windows/wide_text.h"
#include "window/win32/form1.h"

namespace {

constexpr int kExitUsage = 2;

// What is wrong with the command line; empty when nothing is.
std::string UsageMistake(const std::vector<std::string>& arguments) {
  if (arguments.size() > 1) return "more than one folder given";
  return arguments.empty() ? std::string() : quillfold::FolderArgumentMistake(arguments.front());
}

}  // namespace

// quillfold.exe [FOLDER]: the window, open on FOLDER when one is given.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  quillfold::StartProgram();
  // ShellExecuteW, which opens the read-me, may call on COM, which it asks
  // its callers to have started on their thread.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  const std::vector<std::string> arguments = quillfold::ProgramArguments();
  if (const std::string mistake = UsageMistake(arguments); !mistake.empty()) {
    const std::wstring text =
        quillfold::ToWide("quillfold: " + mistake + "\n\nUsage: quillfold.exe [FOLDER]");
    MessageBoxW(nullptr, text.c_str(), L"Quillfold", MB_OK | MB_ICONERROR);
    return kExitUsage;
  }
  quillfold::Form1 form(instance);
  form.ShowCentered(show_command);
  if (!arguments.empty()) form.OpenGivenFolder(arguments.front());
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Tab, Shift+Tab and Enter move through the controls as in a dialog.
    if (form.PreTranslate(message) || IsDialogMessageW(form.handle(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
