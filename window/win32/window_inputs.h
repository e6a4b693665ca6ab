#ifndef QUILLFOLD_WINDOW_WIN32_WINDOW_INPUTS_H_
#define QUILLFOLD_WINDOW_WIN32_WINDOW_INPUTS_H_

#include <windows.h>

#include <string>
#include <string_view>
#include <utility>

#include "generation/run_inputs.h"
#include "window/shared/log_text.h"
#include "window/shared/options_view.h"

namespace quillfold {

// The state of a check box control (BST_CHECKED, BST_UNCHECKED or
// BST_INDETERMINATE).
CheckState CheckStateOf(HWND check_box);

// The settings of one run, read from the window's controls as the run
// starts, and its log, collected as LogText for the log box.
class WindowInputs : public RunInputs {
 public:
  struct Controls {
    HWND filter_switch;
    HWND filter_text;
    HWND paging_switch;
    HWND links_per_page;
  };

  // `folder` is the folder list's open folder.
  WindowInputs(std::string folder, const Controls& controls)
      : folder_(std::move(folder)), controls_(controls) {}

  RunSettings Settings() override;
  void Clear() override { log_.Clear(); }
  void AddLine(std::string_view name) override { log_.AddLine(name); }

  LogText& log() { return log_; }

 private:
  std::string folder_;
  Controls controls_;
  LogText log_;
};

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_WIN32_WINDOW_INPUTS_H_
