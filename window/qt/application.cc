#include "window/qt/application.h"

#include <QGuiApplication>

#include "window/qt/app_icon.h"

namespace quillfold {

void DescribeApplication() {
  QGuiApplication::setApplicationName(QStringLiteral("Quillfold"));
  QGuiApplication::setApplicationVersion(QStringLiteral(QUILLFOLD_VERSION_TEXT));
  QGuiApplication::setDesktopFileName(QStringLiteral("quillfold"));
  QGuiApplication::setWindowIcon(AppIcon());
}

}  // namespace quillfold
