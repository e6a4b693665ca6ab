#ifndef QUILLFOLD_WINDOW_SHARED_FORM_CONTROLLER_H_
#define QUILLFOLD_WINDOW_SHARED_FORM_CONTROLLER_H_

#include <string>
#include <string_view>

#include "runtime/disk.h"
#include "runtime/error.h"
#include "window/shared/options_view.h"

namespace quillfold {

// What holds the window while work runs on a thread of its own.
enum class HeldFor {
  kRun,      // Writes pages: the end of the session waits for it.
  kListing,  // A folder's listing, which writes nothing.
};

// Form1 as each system draws it. Controls are named as in the drawing
// (window/shared/form_layout.h); the view draws them and reads them, and the
// form's rules are FormController's.
class FormView {
 public:
  virtual ~FormView() = default;

  virtual void SetVisible(std::string_view control, bool visible) = 0;
  virtual void SetCaption(std::string_view control, std::string_view caption) = 0;
  // A check box's state, and a text box's text in UTF-8 (WTF-8 on Windows).
  virtual CheckState CheckStateOf(std::string_view check_box) const = 0;
  virtual std::string TextOf(std::string_view text_box) const = 0;
  // The folder list's open folder.
  virtual std::string OpenFolder() const = 0;

  // Replaces the log box's text by `log` (LogText's: a line per name, each
  // ending in LF), shown from its first line.
  virtual void ShowLog(std::string log) = 0;
  // Tells the user about a failed action; returns once they closed the box.
  virtual void ShowError(const Error& error) = 0;

  // Called on the work's thread as its last act: only tells the window's
  // thread, whose HoldUntilWorkEnded then returns.
  virtual void PostWorkEnded() = 0;
  // Takes no input, and does not close, until PostWorkEnded's word arrives;
  // meanwhile the window keeps painting and answering the system, which
  // would otherwise offer to end it.
  virtual void HoldUntilWorkEnded(HeldFor held_for) = 0;
};

// What Form1 does with its controls: the check boxes show and hide their
// options, the run button runs the generation with the settings the
// controls hold, its log goes into the log box and its error is reported.
class FormController {
 public:
  // Runs write through `disk`, which tests replace to fake its faults.
  FormController(FormView& view, Disk& disk) : view_(view), disk_(disk) {}

  // Check1, or Check2, came to the state it now shows, however it did.
  void FilterSwitchChanged();
  void PagingSwitchChanged();

  // Step 2: one run of the generation, the window held while it lasts.
  void Run();

 private:
  void ShowOptions(const OptionsView& options);

  FormView& view_;
  Disk& disk_;
  OptionsView options_ = InitialOptionsView();
};

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_SHARED_FORM_CONTROLLER_H_
