#ifndef QUILLFOLD_WINDOW_QT_MAIN_WINDOW_H_
#define QUILLFOLD_WINDOW_QT_MAIN_WINDOW_H_

#include <QEventLoop>
#include <QWidget>
#include <string>
#include <string_view>

#include "runtime/disk.h"
#include "window/shared/form_controller.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillfold {

class FolderList;
class LogBox;

// Form1, the program's window: choose a folder, set the two options, run
// the generation, read its log. The controls sit at fixed places, as the
// window was drawn, and stay there when the window is resized.
class MainWindow : public QWidget, private FormView {
  Q_OBJECT

 public:
  // Runs write through `disk`, which tests replace to fake its faults.
  explicit MainWindow(QWidget* parent = nullptr, Disk& disk = SystemDisk());

  // Shows the window in the middle of its screen.
  void ShowCentered();

  // Opens `folder`, given on the command line, in the folder list as the
  // user would; one that cannot be opened is reported and the list stays
  // where the window started.
  void OpenGivenFolder(const std::string& folder);

  // The folder a run uses: the one opened last in the folder list.
  const std::string& open_folder() const { return controller_.open_folder(); }

 private:
  void CreateWindowProperties();
  void CreateFolderStep();
  void CreateFilterOption();
  void CreatePagingOption();
  void CreateLog();
  void CreateReadMeButton();
  void SetFocusOrder();
  // A box lies over the label or check box that overlaps it.
  void RaiseOverlappedBoxes();

  void OpenReadMePage();

  // The control named `name` in the drawing.
  template <typename Control>
  Control* Find(std::string_view name) const;

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

  FormController controller_;
  QEventLoop work_ended_;

  // Named by what they are; their Qt object names are the names they have
  // in the window's drawing (in comments).
  QLabel* folder_label_ = nullptr;          // Label1
  FolderList* folder_list_ = nullptr;       // Dir1
  QPushButton* run_button_ = nullptr;       // Command1
  QCheckBox* filter_switch_ = nullptr;      // Check1
  QLineEdit* filter_text_ = nullptr;        // Text2
  QCheckBox* paging_switch_ = nullptr;      // Check2
  QLabel* links_per_page_label_ = nullptr;  // Label5
  QLineEdit* links_per_page_ = nullptr;     // Text3
  QLabel* links_per_page_hint_ = nullptr;   // Label6
  LogBox* log_box_ = nullptr;               // Text1
  QPushButton* read_me_button_ = nullptr;   // Command3
};

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_QT_MAIN_WINDOW_H_
