#ifndef QUILLFOLD_WINDOW_QT_APP_ICON_H_
#define QUILLFOLD_WINDOW_QT_APP_ICON_H_

#include <QIcon>

namespace quillfold {

// The program's icon, a yellow smiley face, at 32 by 32 and 16 by 16 pixels.
QIcon AppIcon();

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_QT_APP_ICON_H_
