#include "window/window_inputs.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "window/folder_list.h"

namespace quillfold {
namespace {

// Qt numbers the grey state 1 and the ticked state 2; a run expects 1 for
// ticked and 2 for grey.
int SwitchValue(const QCheckBox* box) {
  switch (box->checkState()) {
    case Qt::Unchecked:
      return 0;
    case Qt::Checked:
      return 1;
    case Qt::PartiallyChecked:
      return 2;
  }
  return 0;
}

}  // namespace

std::string WindowInputs::FolderPath() { return controls_.folder_list->CurrentPath(); }

int WindowInputs::FilterSwitch() { return SwitchValue(controls_.filter_switch); }

std::string WindowInputs::FilterText() {
  return controls_.filter_text->text().toUtf8().toStdString();
}

int WindowInputs::PagingSwitch() { return SwitchValue(controls_.paging_switch); }

std::string WindowInputs::LinksPerPageText() {
  return controls_.links_per_page->text().toUtf8().toStdString();
}

void WindowInputs::ClearLog() {
  log_text_.clear();
  log_cleared_ = true;
}

void WindowInputs::AppendLogLine(std::string_view name) {
  log_text_.append(name.data(), static_cast<qsizetype>(name.size()));
  log_text_.append("\r\n");
}

void WindowInputs::ShowLog() {
  if (!log_cleared_) return;
  // The box breaks lines at CR as well as at LF, so CR LF would show as an
  // empty line after every name.
  QByteArray lines = log_text_;
  lines.replace("\r\n", "\n");
  controls_.log->setPlainText(QFile::decodeName(lines));
  controls_.log->moveCursor(QTextCursor::Start);
  controls_.log->verticalScrollBar()->setValue(0);
  controls_.log->horizontalScrollBar()->setValue(0);
}

}  // namespace quillfold
