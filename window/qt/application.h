#ifndef QUILLFOLD_WINDOW_QT_APPLICATION_H_
#define QUILLFOLD_WINDOW_QT_APPLICATION_H_

namespace quillfold {

// Gives the running application its name and version, and ties its windows
// to the desktop entry quillfold.desktop.
void DescribeApplication();

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_QT_APPLICATION_H_
