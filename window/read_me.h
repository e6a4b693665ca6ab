#ifndef QUILLFOLD_WINDOW_READ_ME_H_
#define QUILLFOLD_WINDOW_READ_ME_H_

#include <QString>
#include <QUrl>

class QWidget;

namespace quillfold {

// The publisher's web host, set when building.
QString PublisherHost();

// The read-me page on the publisher's web site.
QUrl ReadMeUrl();

// Opens the read-me page in the desktop's browser and returns at once; a
// desktop that cannot open it gets an error report.
void OpenReadMe(QWidget* parent);

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_READ_ME_H_
