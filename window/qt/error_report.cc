#include "window/qt/error_report.h"

#include <QMessageBox>
#include <QString>
#include <utility>

#include "window/shared/error_report.h"

namespace quillfold {
namespace {

ErrorBoxCapture& Capture() {
  static ErrorBoxCapture capture;
  return capture;
}

}  // namespace

void ReportError(QWidget* parent, const Error& error) {
  const ErrorReport text = ErrorReportOf(error);
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Quillfold"),
                  QString::fromStdString(text.heading), QMessageBox::Ok, parent);
  box.setInformativeText(QString::fromStdString(text.detail));
  if (Capture()) {
    Capture()(box);
    return;
  }
  box.exec();
}

void SetErrorBoxCapture(ErrorBoxCapture capture) { Capture() = std::move(capture); }

}  // namespace quillfold
