#include "window/qt/log_box.h"

#include <QElapsedTimer>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

namespace quillfold {

LogBox::LogBox(QWidget* parent) : QPlainTextEdit(parent) {
  // A zero timer's turn comes when the user's input and painting are done.
  more_.setInterval(0);
  connect(&more_, &QTimer::timeout, this, &LogBox::AddMore);
}

void LogBox::ShowLog(std::string log) {
  more_.stop();
  pieces_ = LogPieces(std::move(log));
  setPlainText(NextPiece(kFirstLogLines));
  moveCursor(QTextCursor::Start);
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  if (!pieces_.done()) more_.start();
}

QString LogBox::NextPiece(std::size_t lines) {
  const std::string_view piece = pieces_.Next(lines);
  return QString::fromUtf8(piece.data(), static_cast<qsizetype>(piece.size()));
}

void LogBox::AddMore() {
  // Added through a cursor of its own at the end, so the user's cursor and
  // selection stay; the scroll bars are put back where the user left them.
  const int vertical = verticalScrollBar()->value();
  const int horizontal = horizontalScrollBar()->value();
  QTextDocument* text = document();
  // Kept out of the undo history: undoing would take names out of the log.
  text->setUndoRedoEnabled(false);
  QTextCursor end(text);
  end.movePosition(QTextCursor::End);
  QElapsedTimer step;
  step.start();
  while (!pieces_.done() && step.elapsed() < kLogStepTime.count()) {
    end.insertText(NextPiece(kLogLinesPerPiece));
  }
  text->setUndoRedoEnabled(true);
  verticalScrollBar()->setValue(vertical);
  horizontalScrollBar()->setValue(horizontal);
  if (pieces_.done()) more_.stop();
}

}  // namespace quillfold
