#ifndef QUILLFOLD_WINDOW_QT_READ_ME_H_
#define QUILLFOLD_WINDOW_QT_READ_ME_H_

#include <QString>
#include <QUrl>

class QWidget;

namespace quillfold {

// The publisher's web host, set when building; empty when there is none.
QString PublisherHost();

// The window's caption: "Quillfold from HOST", or "Quillfold" without a host.
QString WindowCaption(const QString& host);

// The read-me page the build made for Linux (docs/readme.html in the build
// tree), the one the program opens from there; empty in a build for
// installing only.
QString BuildReadMePage();

// The page "Read me" opens. With a publisher host, the publisher's page
// http://HOST/Quillfold/readme.html. Without one, the page installed with
// the program, share/doc/quillfold/readme.html beside the folder the program
// is in; when that does not exist, as for a program in its build tree,
// `build_page`. When neither exists, the installed page's address, for the
// report to name where the page belongs.
QUrl ReadMeUrl(const QString& host, const QString& program_folder, const QString& build_page);

// Opens `page` in the desktop's browser and returns at once. A local page
// that does not exist, or a desktop that cannot open it, gets an error
// report.
void OpenReadMe(QWidget* parent, const QUrl& page);

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_QT_READ_ME_H_
