#ifndef QUILLFOLD_WINDOW_WIN32_FORM1_H_
#define QUILLFOLD_WINDOW_WIN32_FORM1_H_

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "runtime/error.h"
#include "window/shared/form_controller.h"

namespace quillfold {

class FolderList;
class LogBox;

// Form1, the program's window on Windows, built from the shared drawing:
// choose a folder in the folder list, set the two options, run the
// generation with the run button, read its log in the log box. The controls
// keep their places when the window is resized and follow the window's DPI.
class Form1 : private FormView {
 public:
  explicit Form1(HINSTANCE instance);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;
  ~Form1() override;

  HWND handle() const { return window_; }

  // Shows the window in the middle of its screen, the focus on the first
  // control of the focus order.
  void ShowCentered(int show_command);

  // Opens `folder`, given on the command line, in the folder list as the
  // user would; one that cannot be opened is reported and the list stays
  // where the window started.
  void OpenGivenFolder(const std::string& folder);

  // Gives the window a look at a message before the dialog keys (Tab,
  // Shift+Tab, Enter) are handled; true when it took the message.
  bool PreTranslate(const MSG& message);

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM w, LPARAM l);
  // Check1's and Check2's own procedure, ahead of the button's.
  static LRESULT CALLBACK SwitchProcedure(HWND box, UINT message, WPARAM w, LPARAM l, UINT_PTR id,
                                          DWORD_PTR form);
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);

  void CreateControls();
  void PlaceControls();
  void OnCommand(int id, int notification, HWND control);

  // The control named `name` in the drawing; null while the controls are
  // being made, when a made one already tells the window of changes.
  HWND Control(std::string_view name) const;
  // Shows what Check1 or Check2 (`box`) now asks for.
  void FollowSwitch(HWND box);

  void SetVisible(std::string_view control, bool visible) override;
  void SetCaption(std::string_view control, std::string_view caption) override;
  CheckState CheckStateOf(std::string_view check_box) const override;
  std::string TextOf(std::string_view text_box) const override;
  void ShowFolderLines(const std::vector<FolderLine>& lines, std::size_t open_line) override;
  void HighlightFolderLine(std::size_t line) override;
  void ShowLog(std::string log) override;
  void ShowError(const Error& error) override;
  void PostWorkEnded() override;
  void HoldUntilWorkEnded(HeldFor held_for) override;
  void OpenReadMePage();
  void OpenHighlightedFolder();

  HINSTANCE instance_;
  HWND window_ = nullptr;
  HFONT font_ = nullptr;
  int dots_per_inch_ = 96;
  std::map<std::string_view, HWND> controls_;  // By their names in the drawing.
  std::unique_ptr<FolderList> folder_list_;
  std::unique_ptr<LogBox> log_box_;
  FormController controller_;
  // The control that had the focus when the window was last left.
  HWND focus_before_leaving_ = nullptr;
  // A run or a folder's listing holds the window: it takes no input and
  // does not close.
  bool running_ = false;
  // A run is writing pages: the end of the session waits for it. A listing
  // writes nothing, so the session may end during one.
  bool writing_ = false;
};

// Tells the user about a failed action: a modal box with the error's number,
// text and detail. Returns once the user has closed it.
void ReportError(HWND owner, const Error& error);

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_WIN32_FORM1_H_
