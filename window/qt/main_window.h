#ifndef QUILLFOLD_WINDOW_QT_MAIN_WINDOW_H_
#define QUILLFOLD_WINDOW_QT_MAIN_WINDOW_H_

#include <QWidget>

#include "runtime/disk.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace quillfold {

class FolderList;

// Form1, the program's window: choose a folder, set the two options, run
// the generation, read its log. The controls sit at fixed places, as the
// window was drawn, and stay there when the window is resized.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // Runs write through `disk`, which tests replace to fake its faults.
  explicit MainWindow(QWidget* parent = nullptr, Disk& disk = SystemDisk());

  // Shows the window in the middle of its screen.
  void ShowCentered();

 private:
  void CreateWindowProperties();
  void CreateFolderStep();
  void CreateFilterOption();
  void CreatePagingOption();
  void CreateLog();
  void CreateReadMeButton();
  void SetFocusOrder();

  void ShowOrHideFilterText();
  void ShowOrHideLinksPerPage();
  void RunGeneration();
  void OpenReadMePage();

  Disk& disk_;

  // The controls bear the names they have in the window's drawing, which are
  // also their Qt object names.
  QLabel* Label1_ = nullptr;
  FolderList* Dir1_ = nullptr;
  QPushButton* Command1_ = nullptr;
  QCheckBox* Check1_ = nullptr;
  QLineEdit* Text2_ = nullptr;
  QCheckBox* Check2_ = nullptr;
  QLabel* Label5_ = nullptr;
  QLineEdit* Text3_ = nullptr;
  QLabel* Label6_ = nullptr;
  QPlainTextEdit* Text1_ = nullptr;
  QPushButton* Command3_ = nullptr;
};

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_QT_MAIN_WINDOW_H_
