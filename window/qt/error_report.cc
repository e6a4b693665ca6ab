#include "window/qt/error_report.h"

#include <QMessageBox>
#include <QString>
#include <utility>

#include "window/shared/form_layout.h"

namespace quillfold {
namespace {

ErrorBoxCapture& Capture() {
  static ErrorBoxCapture capture;
  return capture;
}

}  // namespace

void ReportError(QWidget* parent, const Error& error) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Quillfold"),
                  QString::fromStdString(ErrorHeading(error.number(), error.text())),
                  QMessageBox::Ok, parent);
  // The detail names a file by its bytes; decode them like the file system.
  box.setInformativeText(QString::fromLocal8Bit(error.detail()));
  if (Capture()) {
    Capture()(box);
    return;
  }
  box.exec();
}

void SetErrorBoxCapture(ErrorBoxCapture capture) { Capture() = std::move(capture); }

}  // namespace quillfold
