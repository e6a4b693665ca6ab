#include "window/qt/read_me.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

#include "runtime/error.h"
#include "window/qt/error_report.h"
#include "window/shared/form_layout.h"

namespace quillfold {

QString PublisherHost() { return QStringLiteral(QUILLFOLD_PUBLISHER_HOST); }

QString WindowCaption(const QString& host) {
  return QString::fromStdString(FormCaption(host.toStdString()));
}

QString SourceReadMePage() { return QStringLiteral(QUILLFOLD_SOURCE_READ_ME); }

QUrl ReadMeUrl(const QString& host, const QString& program_folder, const QString& source_page) {
  if (!host.isEmpty()) {
    return QUrl(QString::fromStdString(PublisherReadMeAddress(host.toStdString())));
  }
  const QString installed =
      QDir::cleanPath(program_folder + QStringLiteral("/../share/doc/quillfold/readme.html"));
  if (!QFileInfo::exists(installed) && QFileInfo::exists(source_page)) {
    return QUrl::fromLocalFile(source_page);
  }
  return QUrl::fromLocalFile(installed);
}

void OpenReadMe(QWidget* parent, const QUrl& page) {
  const std::string address = page.toString().toStdString();
  // A browser handed a missing file shows its own error page, or nothing.
  if (page.isLocalFile() && !QFileInfo::exists(page.toLocalFile())) {
    ReportError(parent, Error(kCannotStartBrowser, "no read-me page at " + address));
    return;
  }
  if (!QDesktopServices::openUrl(page)) {
    ReportError(parent, Error(kCannotStartBrowser, "no browser opened " + address));
  }
}

}  // namespace quillfold
