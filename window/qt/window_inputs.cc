#include "window/qt/window_inputs.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

#include "window/qt/folder_list.h"
#include "window/shared/shown_name.h"

namespace quillfold {
namespace {

// More lines than any screen shows in the log box.
constexpr int kFirstLines = 256;

std::string Utf8(const QLineEdit* box) { return box->text().toUtf8().toStdString(); }

}  // namespace

// A grey check box is no ticked one: the option is off.
RunSettings WindowInputs::Settings() {
  return {controls_.folder_list->CurrentPath(),
          controls_.filter_switch->checkState() == Qt::Checked, Utf8(controls_.filter_text),
          controls_.paging_switch->checkState() == Qt::Checked, Utf8(controls_.links_per_page)};
}

void WindowInputs::Clear() {
  log_text_.clear();
  log_cleared_ = true;
}

void WindowInputs::AddLine(std::string_view name) {
  AppendShownName(name, log_text_);
  log_text_.append("\r\n");
}

void WindowInputs::ShowLog() {
  if (!log_cleared_) return;
  // The box breaks lines at CR as well as at LF, so CR LF would show as an
  // empty line after every name.
  QByteArray lines = log_text_;
  lines.replace("\r\n", "\n");
  const QString text = QFile::decodeName(lines);

  // Filling the box costs about 0.3 s per 100,000 lines. The first lines
  // go in and are painted at once, so the user sees the result start while
  // the rest follows in a single insertion.
  qsizetype split = 0;
  for (int line = 0; line < kFirstLines && split >= 0; ++line) {
    split = text.indexOf(QLatin1Char('\n'), split);
    if (split >= 0) ++split;
  }
  if (split < 0) split = text.size();
  QPlainTextEdit* log = controls_.log;
  log->setPlainText(text.left(split));
  log->viewport()->repaint();
  if (split < text.size()) {
    QTextDocument* document = log->document();
    // Kept out of the undo history, like the rest of the log.
    document->setUndoRedoEnabled(false);
    QTextCursor end(document);
    end.movePosition(QTextCursor::End);
    end.insertText(text.mid(split));
    document->setUndoRedoEnabled(true);
  }
  log->moveCursor(QTextCursor::Start);
  log->verticalScrollBar()->setValue(0);
  log->horizontalScrollBar()->setValue(0);
}

}  // namespace quillfold
