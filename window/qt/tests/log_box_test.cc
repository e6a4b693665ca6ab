#include "window/qt/log_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QTextCursor>
#include <string>

namespace quillfold {
namespace {

std::string Lines(const std::string& prefix, int count) {
  std::string log;
  for (int i = 0; i < count; ++i) log += prefix + std::to_string(i) + "\n";
  return log;
}

QString Shown(const std::string& log) { return QString::fromStdString(log); }

void WaitUntilFilled(const LogBox& box) {
  while (box.filling()) QApplication::processEvents();
}

TEST(LogBoxTest, TheFirstLinesAtOnceTheRestWhileTheUserReadsAndSelects) {
  LogBox box;
  box.resize(400, 200);
  box.show();
  const std::string log = Lines("name", 20000);
  box.ShowLog(log);
  ASSERT_TRUE(box.filling());
  EXPECT_EQ(box.document()->blockCount(), static_cast<int>(kFirstLogLines) + 1);
  EXPECT_EQ(box.textCursor().position(), 0);

  // The user selects part of a name and scrolls down a little meanwhile.
  QTextCursor selection(box.document());
  selection.setPosition(7);
  selection.setPosition(12, QTextCursor::KeepAnchor);
  box.setTextCursor(selection);
  box.verticalScrollBar()->setValue(40);

  WaitUntilFilled(box);
  EXPECT_TRUE(box.toPlainText() == Shown(log));
  EXPECT_EQ(box.verticalScrollBar()->value(), 40);
  EXPECT_EQ(box.textCursor().selectionStart(), 7);
  EXPECT_EQ(box.textCursor().selectionEnd(), 12);
  // What went in can be neither undone nor redone.
  EXPECT_FALSE(box.document()->isUndoAvailable());
}

TEST(LogBoxTest, ANewLogWhileOneIsGoingInReplacesIt) {
  LogBox box;
  box.show();
  // More than one step of the timer puts in on any machine.
  box.ShowLog(Lines("first", 300000));
  QApplication::processEvents();
  ASSERT_TRUE(box.filling());
  const std::string second = Lines("second", 300);
  box.ShowLog(second);
  WaitUntilFilled(box);
  EXPECT_EQ(box.toPlainText(), Shown(second));
}

}  // namespace
}  // namespace quillfold
