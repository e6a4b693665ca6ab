#include "window/qt/tests/window_test_support.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <memory>
#include <stdexcept>

#include "window/qt/error_report.h"
#include "window/qt/log_box.h"

namespace quillfold::testing {

CurrentDirectory::CurrentDirectory(const std::string& path) {
  std::unique_ptr<char, void (*)(void*)> cwd(getcwd(nullptr, 0), std::free);
  previous_ = cwd ? cwd.get() : "/";
  if (chdir(path.c_str()) != 0) throw std::runtime_error("cannot enter " + path);
}

CurrentDirectory::~CurrentDirectory() {
  if (chdir(previous_.c_str()) != 0) std::abort();
}

void FailOnErrorReports() {
  SetErrorBoxCapture([](QMessageBox& box) {
    ADD_FAILURE() << "unexpected error report: " << box.text().toStdString() << " / "
                  << box.informativeText().toStdString();
  });
}

ReportCapture::ReportCapture() {
  SetErrorBoxCapture([this](QMessageBox& box) {
    reports.push_back(
        {box.windowTitle(), box.text(), box.informativeText(), box.standardButtons()});
  });
}

ReportCapture::~ReportCapture() { FailOnErrorReports(); }

void ClickCheckBox(QAbstractButton* box) {
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

namespace {

QPoint LineCentre(QListWidget* list, const QString& text) {
  const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
  if (items.size() != 1) throw std::runtime_error("no single line " + text.toStdString());
  list->scrollToItem(items.front());
  return list->visualItemRect(items.front()).center();
}

}  // namespace

void DoubleClickLine(QListWidget* list, const QString& text) {
  // QTest sends only the double-click itself; a real one starts with a
  // click, which the list needs to know which line was pressed.
  const QPoint centre = LineCentre(list, text);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

void ClickLine(QListWidget* list, const QString& text) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, LineCentre(list, text));
}

void TypeReplacing(QWidget* edit, const QString& text) {
  QTest::mouseClick(edit, Qt::LeftButton);
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(edit, text);
}

void ShowActive(QWidget& window) {
  window.show();
  QApplication::setActiveWindow(&window);
  if (!QTest::qWaitForWindowActive(&window)) throw std::runtime_error("window not active");
}

void WaitForLog(QWidget& window) {
  auto* log = Find<LogBox>(window, "Text1");
  QElapsedTimer waited;
  waited.start();
  while (log->filling() && waited.elapsed() < 60000) QApplication::processEvents();
  ASSERT_FALSE(log->filling()) << "the log box is still filling after a minute";
}

}  // namespace quillfold::testing
