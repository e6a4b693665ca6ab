#include "window/qt/folder_list.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QStyle>
#include <QTest>
#include <filesystem>
#include <functional>
#include <string>

#include "testing/temp_folder.h"
#include "testing/unprivileged.h"
#include "window/qt/folder_indent_delegate.h"
#include "window/qt/main_window.h"
#include "window/qt/tests/window_test_support.h"

namespace quillfold {
namespace {

using testing::CurrentDirectory;
using testing::TempFolder;

QStringList Lines(const QListWidget& list) {
  QStringList lines;
  for (int row = 0; row < list.count(); ++row) lines << list.item(row)->text();
  return lines;
}

// The last `count` lines: the ones below the path from the root.
QStringList LastLines(const QListWidget& list, int count) {
  return Lines(list).mid(list.count() - count);
}

// The window, started where the test's current directory is, and its
// folder list. A forked child must not paint (`painted` false): Qt's raster
// engine hands large areas to its thread pool, whose threads stay behind in
// the parent, and waits for them for ever.
struct Window {
  explicit Window(bool painted = true) {
    window.setUpdatesEnabled(painted);
    testing::ShowActive(window);
  }

  MainWindow window;
  FolderList& list = *testing::Find<FolderList>(window, "Dir1");
};

class FolderListTest : public ::testing::Test {
 protected:
  FolderListTest() {
    for (const char* name : {"project", "project/gamma", "project/alpha", "project/Beta",
                             "project/.git", "project/alpha/deeper"}) {
      EXPECT_EQ(mkdir((temp_ / name).c_str(), 0755), 0) << name;
    }
    testing::WriteFile(temp_ / "project/notes.txt", "");
  }

  std::string Project() const { return temp_ / "project"; }

  TempFolder temp_;
};

TEST_F(FolderListTest, StartsAtTheCurrentDirectoryWithPathAndSubfolders) {
  CurrentDirectory cwd(Project());
  Window window;
  FolderList& list = window.list;
  EXPECT_EQ(window.window.open_folder(), Project());
  EXPECT_EQ(list.item(0)->text(), "/");
  EXPECT_EQ(LastLines(list, 4), (QStringList{"project", "alpha", "Beta", "gamma"}));

  // The current folder is highlighted; the path is drawn with open folders,
  // indented one step per level, its contents one step further in.
  const int current_row = list.count() - 4;
  EXPECT_EQ(list.currentRow(), current_row);
  const QImage open = list.style()->standardIcon(QStyle::SP_DirOpenIcon).pixmap(16).toImage();
  const QImage closed = list.style()->standardIcon(QStyle::SP_DirClosedIcon).pixmap(16).toImage();
  ASSERT_NE(open, closed);
  for (int row = 0; row < list.count(); ++row) {
    QListWidgetItem* item = list.item(row);
    EXPECT_EQ(item->icon().pixmap(16).toImage(), row <= current_row ? open : closed) << row;
    EXPECT_EQ(item->data(FolderIndentDelegate::kDepthRole).toInt(), std::min(row, current_row + 1))
        << row;
  }
}

TEST_F(FolderListTest, ClickOnlyHighlights) {
  CurrentDirectory cwd(Project());
  Window window;
  FolderList& list = window.list;
  testing::ClickLine(&list, "gamma");
  EXPECT_EQ(list.currentItem()->text(), "gamma");
  EXPECT_EQ(window.window.open_folder(), Project());
  EXPECT_EQ(LastLines(list, 4), (QStringList{"project", "alpha", "Beta", "gamma"}));
}

TEST_F(FolderListTest, DoubleClickOrEnterOpensTheHighlightedFolder) {
  struct Case {
    const char* name;
    std::function<void(FolderList&)> open;
    const char* opened;
    QStringList last_lines;
  };
  const Case cases[] = {
      {"double-click",
       [](FolderList& list) { testing::DoubleClickLine(&list, "alpha"); },
       "project/alpha",
       {"project", "alpha", "deeper"}},
      {"click then Enter",
       [](FolderList& list) {
         testing::ClickLine(&list, "Beta");
         QTest::keyClick(&list, Qt::Key_Return);
       },
       "project/Beta",
       {"project", "Beta"}},
      {"arrow then keypad Enter",
       [](FolderList& list) {
         QTest::keyClick(&list, Qt::Key_Down);
         QTest::keyClick(&list, Qt::Key_Enter);
       },
       "project/alpha",
       {"project", "alpha", "deeper"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CurrentDirectory cwd(Project());
    Window window;
    FolderList& list = window.list;
    list.setFocus();
    c.open(list);
    EXPECT_EQ(window.window.open_folder(), temp_ / c.opened);
    EXPECT_EQ(LastLines(list, c.last_lines.size()), c.last_lines);
    EXPECT_EQ(list.currentItem()->text(), QString(c.opened).section('/', -1));
  }
}

TEST_F(FolderListTest, OpeningAFolderOnThePathGoesUpToIt) {
  CurrentDirectory cwd(temp_ / "project/alpha");
  Window window;
  FolderList& list = window.list;
  const QString temp_name = QString::fromStdString(temp_.path()).section('/', -1);
  testing::DoubleClickLine(&list, temp_name);
  EXPECT_EQ(window.window.open_folder(), temp_.path());
  EXPECT_EQ(LastLines(list, 2), (QStringList{temp_name, "project"}));
  EXPECT_EQ(list.currentItem()->text(), temp_name);
}

TEST_F(FolderListTest, OpeningTheRootShowsItsFolders) {
  CurrentDirectory cwd(Project());
  Window window;
  FolderList& list = window.list;
  testing::DoubleClickLine(&list, "/");
  EXPECT_EQ(window.window.open_folder(), "/");
  EXPECT_EQ(list.currentRow(), 0);
  EXPECT_TRUE(Lines(list).contains("tmp"));
}

// Double-clicks `line` in a list started in `folder`, `change` having been
// made after the list was filled, and tells what happened: the highlighted
// line, the current folder, the lines below the path, and the reports.
std::string OpenLine(const std::string& folder, const QString& line,
                     const std::function<void()>& change) {
  CurrentDirectory cwd(folder);
  Window window(/*painted=*/false);  // Run in a forked child too.
  FolderList& list = window.list;
  change();
  testing::ReportCapture capture;
  testing::DoubleClickLine(&list, line);
  std::string shown = "highlighted " + list.currentItem()->text().toStdString() + "; current " +
                      window.window.open_folder() + "; lines " +
                      LastLines(list, 4).join(' ').toStdString();
  for (const testing::ShownReport& report : capture.reports) {
    shown += "; " + report.title.toStdString() + " " + report.text.toStdString() + " (" +
             report.detail.toStdString() + ")";
  }
  return shown;
}

TEST_F(FolderListTest, FolderThatCannotBeOpenedIsReportedAndTheHighlightReturns) {
  const std::string gamma = temp_ / "project/gamma";
  struct Case {
    const char* what;
    mode_t mode;
    bool unprivileged;  // Root reads any folder; the user nobody does not.
    std::function<void()> after_listing;
    std::string report;
  };
  const Case cases[] = {
      {"gone since it was listed", 0755, false, [&] { rmdir(gamma.c_str()); },
       "Quillfold Error 76: Path not found (" + gamma + ": No such file or directory)"},
      {"unreadable", 0, true, [] {},
       "Quillfold Error 70: Permission denied (" + gamma + ": Permission denied)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::create_directories(gamma);  // Back after the row before.
    ASSERT_EQ(chmod(gamma.c_str(), c.mode), 0);
    const auto open_gamma = [&] { return OpenLine(Project(), "gamma", c.after_listing); };
    const std::string shown = c.unprivileged ? testing::RunUnprivileged(open_gamma) : open_gamma();
    EXPECT_EQ(shown, "highlighted project; current " + Project() +
                         "; lines project alpha Beta gamma; " + c.report);
  }
}

TEST_F(FolderListTest, AFolderGivenAtStartIsOpenedAsTheUserWouldOrReported) {
  const struct {
    std::string given;
    std::string current;  // The folder open afterwards.
    std::string report;   // Empty when none.
  } kCases[] = {
      {"alpha", Project() + "/alpha", ""},
      {temp_ / "project/gamma/", Project() + "/gamma", ""},
      // ".." goes up the path, as the list's own lines do.
      {"alpha/deeper/../../Beta", Project() + "/Beta", ""},
      {"missing", Project(),
       "Quillfold Error 76: Path not found (" + Project() + "/missing: No such file or directory)"},
      {"notes.txt", Project(),
       "Quillfold Error 76: Path not found (" + Project() + "/notes.txt: Not a directory)"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.given);
    CurrentDirectory cwd(Project());
    Window window;
    FolderList& list = window.list;
    testing::ReportCapture capture;
    window.window.OpenGivenFolder(c.given);
    EXPECT_EQ(window.window.open_folder(), c.current);
    EXPECT_EQ(list.currentItem()->text().toStdString(), c.current.substr(c.current.rfind('/') + 1));
    std::string reports;
    for (const testing::ShownReport& report : capture.reports) {
      reports += report.title.toStdString() + " " + report.text.toStdString() + " (" +
                 report.detail.toStdString() + ")";
    }
    EXPECT_EQ(reports, c.report);
  }
}

TEST_F(FolderListTest, ControlCharactersInNamesShowByTheirCodeOneFolderALine) {
  for (const char* name : {"project/cr\rdir", "project/nl\ndir",
                           "project/esc\x1b"
                           "dir"}) {
    ASSERT_EQ(mkdir((temp_ / name).c_str(), 0755), 0);
  }
  CurrentDirectory cwd(Project());
  Window window;
  FolderList& list = window.list;
  EXPECT_EQ(LastLines(list, 7), (QStringList{"project", "alpha", "Beta", "cr<U+000D>dir",
                                             "esc<U+001B>dir", "gamma", "nl<U+000A>dir"}));
  // The line stands for the folder's own name.
  testing::DoubleClickLine(&list, "nl<U+000A>dir");
  EXPECT_EQ(window.window.open_folder(), temp_ / "project/nl\ndir");
  EXPECT_EQ(LastLines(list, 2), (QStringList{"project", "nl<U+000A>dir"}));
}

}  // namespace
}  // namespace quillfold
