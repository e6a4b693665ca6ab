#ifndef QUILLFOLD_WINDOW_QT_WINDOW_INPUTS_H_
#define QUILLFOLD_WINDOW_QT_WINDOW_INPUTS_H_

#include <string_view>

#include "generation/run_inputs.h"
#include "window/shared/log_text.h"
#include "window/shared/options_view.h"

class QCheckBox;
class QLineEdit;

namespace quillfold {

class FolderList;

// A check box's state as the window's rules count them.
CheckState CheckStateOf(const QCheckBox* box);

// The settings of one run, read from the window's controls, and its log,
// collected for the log box.
class WindowInputs : public RunInputs {
 public:
  struct Controls {
    const FolderList* folder_list;
    const QCheckBox* filter_switch;
    const QLineEdit* filter_text;
    const QCheckBox* paging_switch;
    const QLineEdit* links_per_page;
  };

  explicit WindowInputs(const Controls& controls) : controls_(controls) {}

  RunSettings Settings() override;
  void Clear() override { log_.Clear(); }
  void AddLine(std::string_view name) override { log_.AddLine(name); }

  LogText& log() { return log_; }

 private:
  Controls controls_;
  LogText log_;
};

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_QT_WINDOW_INPUTS_H_
