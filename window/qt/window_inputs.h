#ifndef QUILLFOLD_WINDOW_QT_WINDOW_INPUTS_H_
#define QUILLFOLD_WINDOW_QT_WINDOW_INPUTS_H_

#include <QByteArray>
#include <string>
#include <string_view>

#include "generation/run_inputs.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

namespace quillfold {

class FolderList;

// The settings of one run, read from the window's controls, and its log.
// The log is collected here and put into the log box once, by ShowLog():
// a plain-text box refilled line by line would cost a layout per line. Its
// names show what would break or hide a line as pictures (shown_name.h).
class WindowInputs : public RunInputs {
 public:
  struct Controls {
    const FolderList* folder_list;
    const QCheckBox* filter_switch;
    const QLineEdit* filter_text;
    const QCheckBox* paging_switch;
    const QLineEdit* links_per_page;
    QPlainTextEdit* log;
  };

  explicit WindowInputs(const Controls& controls) : controls_(controls) {}

  RunSettings Settings() override;
  void Clear() override;
  void AddLine(std::string_view name) override;

  // Puts the log into the log box, one name a line, from its first line.
  // A run that failed before clearing the log leaves the box as it was.
  void ShowLog();

 private:
  Controls controls_;
  QByteArray log_text_;
  bool log_cleared_ = false;
};

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_QT_WINDOW_INPUTS_H_
