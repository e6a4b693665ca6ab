#ifndef QUILLFOLD_WINDOW_WIN32_FORM1_H_
#define QUILLFOLD_WINDOW_WIN32_FORM1_H_

#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/error.h"
#include "window/shared/folder_lines.h"
#include "window/win32/window_text.h"

namespace quillfold {

// Form1, the program's window on Windows, built from the shared drawing:
// choose a folder in Dir1, set the two options, run the generation with
// Command1, read its log in Text1. The controls keep their places when the
// window is resized and follow the window's DPI.
class Form1 {
 public:
  explicit Form1(HINSTANCE instance);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;
  ~Form1();

  HWND handle() const { return window_; }

  // Shows the window in the middle of its screen, focus on the first control.
  void ShowCentered(int show_command);

  // Gives the window a look at a message before the dialog keys (Tab,
  // Shift+Tab, Enter) are handled; true when it took the message.
  bool PreTranslate(const MSG& message);

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);

  void CreateControls();
  void PlaceControls();
  void OnCommand(int id, int notification);
  void DrawFolderLine(const DRAWITEMSTRUCT& item);

  HWND Control(std::string_view name) const;
  void ShowControls(bool filter, bool paging);
  void ShowOrHideFilterText();
  void ShowOrHideLinksPerPage();
  void RunGeneration();
  void StartShowingLog(std::wstring text);
  void ShowMoreOfLog();
  void OpenReadMePage();

  // Dir1.
  void ShowFolder(const std::string& folder, const std::vector<FolderLine>& lines);
  void OpenHighlightedFolder();

  HINSTANCE instance_;
  HWND window_ = nullptr;
  HFONT font_ = nullptr;
  HICON open_folder_icon_ = nullptr;
  HICON closed_folder_icon_ = nullptr;
  int dots_per_inch_ = 96;
  std::map<std::string_view, HWND> controls_;
  std::string open_folder_;  // The folder a run uses, UTF-8 (WTF-8).
  std::vector<FolderLine> folder_lines_;
  int open_line_ = 0;
  LogPieces log_pieces_;  // What of the last run's log Text1 does not show yet.
};

// Tells the user about a failed action: a modal box with the error's number,
// text and detail. Returns once the user has closed it.
void ReportError(HWND owner, const Error& error);

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_WIN32_FORM1_H_
