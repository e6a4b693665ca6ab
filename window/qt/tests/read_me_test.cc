#include "window/qt/read_me.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDesktopServices>
#include <QObject>
#include <QUrl>
#include <filesystem>
#include <string>

#include "testing/temp_folder.h"
#include "window/qt/tests/window_test_support.h"

namespace quillfold {
namespace {

TEST(ReadMeTest, CaptionNamesThePublisherOnlyWhenThereIsOne) {
  struct Case {
    QString host;
    QString caption;
  };
  const Case cases[] = {
      {"", "Quillfold"},
      {"quillfold.example", "Quillfold from quillfold.example"},
  };
  for (const Case& c : cases) EXPECT_EQ(WindowCaption(c.host), c.caption) << c.host.toStdString();
}

// An installed program's folder, PREFIX/bin, and a build tree's page.
class ReadMeUrlTest : public ::testing::Test {
 protected:
  ReadMeUrlTest() {
    std::filesystem::create_directories(temp_ / "prefix/bin");
    std::filesystem::create_directories(temp_ / "prefix/share/doc/quillfold");
    std::filesystem::create_directories(temp_ / "build/docs");
  }

  QString Path(const char* name) const { return QString::fromStdString(temp_ / name); }

  testing::TempFolder temp_;
};

TEST_F(ReadMeUrlTest, PublishersPageElseTheInstalledPageElseTheBuildTrees) {
  const QString installed = Path("prefix/share/doc/quillfold/readme.html");
  const QString built = Path("build/docs/readme.html");
  struct Case {
    const char* what;
    QString host;
    bool installed_exists;
    bool built_exists;
    QUrl page;
  };
  const Case cases[] = {
      {"a publisher", "example.org", true, true, QUrl("http://example.org/Quillfold/readme.html")},
      {"a publisher, no page installed", "example.org", false, false,
       QUrl("http://example.org/Quillfold/readme.html")},
      {"installed", "", true, true, QUrl::fromLocalFile(installed)},
      {"installed, no build tree", "", true, false, QUrl::fromLocalFile(installed)},
      {"run from the build tree", "", false, true, QUrl::fromLocalFile(built)},
      {"neither", "", false, false, QUrl::fromLocalFile(installed)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(installed.toStdString());
    std::filesystem::remove(built.toStdString());
    if (c.installed_exists) testing::WriteFile(installed.toStdString(), "<html></html>");
    if (c.built_exists) testing::WriteFile(built.toStdString(), "<html></html>");
    EXPECT_EQ(ReadMeUrl(c.host, Path("prefix/bin"), built), c.page);
  }
}

// Receives the addresses handed to the desktop.
class Opened : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> urls;

 public slots:
  void Open(const QUrl& url) { urls << url; }
};

TEST(ReadMeTest, AMissingPageOrNoBrowserIsReportedWithTheAddress) {
  struct Case {
    const char* what;
    QUrl page;
    QString detail;
  };
  const Case cases[] = {
      {"a missing page", QUrl::fromLocalFile("/nonexistent/quillfold/readme.html"),
       "no read-me page at file:///nonexistent/quillfold/readme.html"},
      // The offscreen platform the tests run on has no browser to start.
      {"no browser", QUrl("http://quillfold.example/Quillfold/readme.html"),
       "no browser opened http://quillfold.example/Quillfold/readme.html"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Opened opened;
    QDesktopServices::setUrlHandler("file", &opened, "Open");
    testing::ReportCapture capture;
    OpenReadMe(nullptr, c.page);
    QDesktopServices::unsetUrlHandler("file");
    EXPECT_TRUE(opened.urls.empty());
    ASSERT_EQ(capture.reports.size(), 1u);
    EXPECT_EQ(capture.reports[0].title, "Quillfold");
    EXPECT_EQ(capture.reports[0].text, "Error 429: Can't start the browser");
    EXPECT_EQ(capture.reports[0].detail, c.detail);
  }
}

}  // namespace
}  // namespace quillfold

#include "read_me_test.moc"
