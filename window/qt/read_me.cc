#include "window/qt/read_me.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <optional>
#include <string>

#include "runtime/error.h"
#include "window/qt/error_report.h"
#include "window/shared/form_layout.h"
#include "window/shared/read_me.h"

namespace quillfold {
namespace {

bool Exists(const std::string& path) { return QFileInfo::exists(QString::fromStdString(path)); }

}  // namespace

QString PublisherHost() { return QStringLiteral(QUILLFOLD_PUBLISHER_HOST); }

QString WindowCaption(const QString& host) {
  return QString::fromStdString(FormCaption(host.toStdString()));
}

QString BuildReadMePage() { return QStringLiteral(QUILLFOLD_BUILD_READ_ME); }

QUrl ReadMeUrl(const QString& host, const QString& program_folder, const QString& build_page) {
  const std::string installed =
      QDir::cleanPath(program_folder + QStringLiteral("/../share/doc/quillfold/readme.html"))
          .toStdString();
  const std::string pages[] = {installed, build_page.toStdString()};
  const ReadMeTarget target = ChooseReadMe(host.toStdString(), pages, Exists);
  const QString location = QString::fromStdString(target.location);
  return target.local ? QUrl::fromLocalFile(location) : QUrl(location);
}

void OpenReadMe(QWidget* parent, const QUrl& page) {
  const ReadMeTarget target{
      (page.isLocalFile() ? page.toLocalFile() : page.toString()).toStdString(),
      page.isLocalFile()};
  const std::optional<Error> error = quillfold::OpenReadMe(
      target, page.toString().toStdString(), Exists,
      [&page](const ReadMeTarget&) { return QDesktopServices::openUrl(page); });
  if (error) ReportError(parent, *error);
}

}  // namespace quillfold
