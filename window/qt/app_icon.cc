#include "window/qt/app_icon.h"

#include <QPixmap>

namespace quillfold {
namespace {

// The same XPM files are installed into the desktop's icon theme.
#include "window/icons/quillfold-16.xpm"
#include "window/icons/quillfold-32.xpm"

}  // namespace

QIcon AppIcon() {
  QIcon icon;
  icon.addPixmap(QPixmap(quillfold_32_xpm));
  icon.addPixmap(QPixmap(quillfold_16_xpm));
  return icon;
}

}  // namespace quillfold
