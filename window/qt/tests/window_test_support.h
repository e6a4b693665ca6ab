#ifndef QUILLFOLD_WINDOW_QT_TESTS_WINDOW_TEST_SUPPORT_H_
#define QUILLFOLD_WINDOW_QT_TESTS_WINDOW_TEST_SUPPORT_H_

#include <QAbstractButton>
#include <QListWidget>
#include <QMessageBox>
#include <QString>
#include <QWidget>
#include <stdexcept>
#include <string>
#include <vector>

namespace quillfold::testing {

// A control of `window` by its object name; fails the test when absent.
template <typename Control = QWidget>
Control* Find(QWidget& window, const char* name) {
  auto* control = window.findChild<Control*>(QLatin1String(name));
  if (control == nullptr) throw std::runtime_error(std::string("no control ") + name);
  return control;
}

// Makes the process's current directory `path` for as long as it lives.
class CurrentDirectory {
 public:
  explicit CurrentDirectory(const std::string& path);
  ~CurrentDirectory();

 private:
  std::string previous_;
};

// What an error report showed.
struct ShownReport {
  QString title;
  QString text;
  QString detail;
  QMessageBox::StandardButtons buttons;
};

// Makes every error report a test failure naming it, rather than a modal
// box that would hold the test until its time runs out. Set for the whole
// test program; a ReportCapture takes the reports a test expects.
void FailOnErrorReports();

// Collects error reports instead of showing them for as long as it lives.
class ReportCapture {
 public:
  ReportCapture();
  ~ReportCapture();
  std::vector<ShownReport> reports;
};

// Clicks a check box on its tick mark, where a user would.
void ClickCheckBox(QAbstractButton* box);
// Double-clicks the line of `list` that shows `text`.
void DoubleClickLine(QListWidget* list, const QString& text);
void ClickLine(QListWidget* list, const QString& text);
// Replaces the text of a line edit the way a user does: select all, type.
void TypeReplacing(QWidget* edit, const QString& text);
// Shows the window and waits until it has the keyboard.
void ShowActive(QWidget& window);

// Lets the window put the rest of a run's log into its log box, as it does
// while the user goes on working.
void WaitForLog(QWidget& window);

}  // namespace quillfold::testing

#endif  // QUILLFOLD_WINDOW_QT_TESTS_WINDOW_TEST_SUPPORT_H_
