#include "window/qt/error_report.h"

#include <QMessageBox>
#include <QString>
#include <string>
#include <utility>

#include "runtime/shown_name.h"
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
  // The detail names a file, whose name may hold any character.
  std::string detail;
  AppendShownMessage(error.detail(), detail);
  box.setInformativeText(QString::fromStdString(detail));
  if (Capture()) {
    Capture()(box);
    return;
  }
  box.exec();
}

void SetErrorBoxCapture(ErrorBoxCapture capture) { Capture() = std::move(capture); }

}  // namespace quillfold
