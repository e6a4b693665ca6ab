#include "window/read_me.h"

#include <QDesktopServices>

#include "runtime/error.h"
#include "window/error_report.h"

namespace quillfold {

QString PublisherHost() { return QStringLiteral(QUILLFOLD_PUBLISHER_HOST); }

QUrl ReadMeUrl() {
  return QUrl(QStringLiteral("http://") + PublisherHost() +
              QStringLiteral("/Quillfold/readme.html"));
}

void OpenReadMe(QWidget* parent) {
  const QUrl url = ReadMeUrl();
  if (!QDesktopServices::openUrl(url)) {
    ReportError(parent,
                Error(kCannotStartBrowser, "no browser opened " + url.toString().toStdString()));
  }
}

}  // namespace quillfold
