#ifndef QUILLFOLD_WINDOW_QT_LOG_BOX_H_
#define QUILLFOLD_WINDOW_QT_LOG_BOX_H_

#include <QPlainTextEdit>
#include <QTimer>
#include <string>

#include "window/shared/log_text.h"

namespace quillfold {

// Text1, the box that lists the names a run linked. A run's log goes in a
// piece at a time (window/shared/log_text.h): the first lines at once, the
// rest from a timer while the window answers, keeping where the user
// scrolled to and what they selected.
class LogBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit LogBox(QWidget* parent = nullptr);

  // Replaces the box's text with `log` (a LogText's text), shown from its
  // first line. A log still going in from an earlier run is dropped.
  void ShowLog(std::string log);

  // Whether part of the log is still to go in.
  bool filling() const { return more_.isActive(); }

 private:
  QString NextPiece(std::size_t lines);
  void AddMore();

  LogPieces pieces_;
  QTimer more_;
};

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_QT_LOG_BOX_H_
