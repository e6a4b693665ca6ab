#include "window/qt/main_window.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "testing/folder_snapshot.h"
#include "testing/temp_folder.h"
#include "window/qt/folder_list.h"
#include "window/qt/read_me.h"
#include "window/qt/tests/window_test_support.h"
#include "window/shared/focus_order.h"
#include "window/shared/form_layout.h"

namespace quillfold {
namespace {

using testing::CurrentDirectory;
using testing::Find;
using testing::TempFolder;

QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString TextOf(QWidget* control) {
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
  if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
  if (auto* log = qobject_cast<QPlainTextEdit*>(control)) return log->toPlainText();
  return QString();
}

std::string Record(const std::string& name) {
  return "<body>\r\n<p><a href=\"" + name + "\">" + name + "</a></p>\r\n<p></p>\r\n<body>\r\n";
}

TEST(MainWindowTest, ControlsAtTheirPlacesWithTheSharedCaptions) {
  struct Expected {
    const char* name;
    QRect place;  // In pixels at 96 dpi.
  };
  const Expected expected[] = {
      {"Label1", {24, 16, 521, 25}},    {"Dir1", {24, 40, 753, 132}},
      {"Command1", {24, 184, 753, 33}}, {"Check1", {24, 224, 489, 25}},
      {"Text2", {24, 248, 489, 25}},    {"Check2", {24, 280, 825, 25}},
      {"Label5", {24, 304, 49, 25}},    {"Text3", {80, 304, 97, 25}},
      {"Label6", {184, 304, 105, 25}},  {"Text1", {16, 344, 753, 145}},
      {"Command3", {8, 544, 185, 25}},
  };
  MainWindow window;
  QStringList names;
  for (QWidget* child : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    names << child->objectName();
  }
  EXPECT_EQ(names.size(), FormControls().size()) << names.join(' ').toStdString();

  for (const Expected& control : expected) {
    SCOPED_TRACE(control.name);
    const ControlLayout& layout = FormControl(control.name);
    QWidget* widget = Find(window, control.name);
    EXPECT_EQ(widget->geometry(), control.place);
    EXPECT_EQ(TextOf(widget), Latin1(layout.text));
    EXPECT_EQ(widget->isVisibleTo(&window), layout.visible_at_start);
    EXPECT_EQ(widget->font().pointSizeF(), kFormFontPoints);
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
      EXPECT_FALSE(box->isChecked());
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
      EXPECT_FALSE(button->isDefault());
    }
  }
}

TEST(MainWindowTest, WindowProperties) {
  MainWindow window;
  EXPECT_EQ(window.objectName(), "Form1");
  EXPECT_EQ(window.windowTitle(), WindowCaption(PublisherHost()));
  EXPECT_EQ(window.size(), QSize(802, 582));
  EXPECT_EQ(window.font().families(), (QStringList{"Verdana", "DejaVu Sans"}));
  EXPECT_EQ(window.font().pointSizeF(), 9.75);
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(window.windowIcon().availableSizes(), (QList<QSize>{{32, 32}, {16, 16}}));
  EXPECT_EQ(QCoreApplication::applicationVersion(), "1.00");
  // A screen reader announces a frame, by its caption.
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&window);
  EXPECT_EQ(accessible->role(), QAccessible::Window);
  EXPECT_EQ(accessible->text(QAccessible::Name), window.windowTitle());
}

TEST(MainWindowTest, ShownCentredAndResizableWithControlsInPlace) {
  MainWindow window;
  window.ShowCentered();
  const QRect screen = window.screen()->availableGeometry();
  EXPECT_LE((window.geometry().center() - screen.center()).manhattanLength(), 1);

  window.resize(1000, 700);
  EXPECT_EQ(window.size(), QSize(1000, 700));
  EXPECT_EQ(Find(window, "Command1")->geometry(), QRect(24, 184, 753, 33));
  EXPECT_EQ(Find(window, "Text1")->geometry(), QRect(16, 344, 753, 145));
}

QStringList FocusChainFromLog(MainWindow& window, int steps) {
  QTest::mouseClick(Find<QPlainTextEdit>(window, "Text1")->viewport(), Qt::LeftButton);
  QStringList chain{QApplication::focusWidget()->objectName()};
  for (int step = 0; step < steps; ++step) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    chain << QApplication::focusWidget()->objectName();
  }
  return chain;
}

// The shared focus order, the hidden controls left out, round to the first.
QStringList SharedFocusChain(MainWindow& window) {
  QStringList chain;
  for (const std::string_view name : FocusOrder()) {
    if (Find(window, std::string(name).c_str())->isVisible()) chain << Latin1(name);
  }
  return chain << chain.front();
}

TEST(MainWindowTest, FocusStartsAndTabGoesAsTheSharedFocusOrderHasIt) {
  MainWindow window;
  testing::ShowActive(window);
  ASSERT_NE(QApplication::focusWidget(), nullptr);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), Latin1(FocusOrder().front()));

  // Hidden boxes take no focus.
  QStringList expected = SharedFocusChain(window);
  EXPECT_EQ(FocusChainFromLog(window, expected.size() - 1), expected);

  testing::ClickCheckBox(Find<QCheckBox>(window, "Check1"));
  testing::ClickCheckBox(Find<QCheckBox>(window, "Check2"));
  expected = SharedFocusChain(window);
  EXPECT_EQ(expected.size(), FocusOrder().size() + 1);
  EXPECT_EQ(FocusChainFromLog(window, expected.size() - 1), expected);
}

QString AccessibleText(QWidget* control, QAccessible::Text text) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
  return accessible == nullptr ? QString() : accessible->text(text);
}

TEST(MainWindowTest, EveryControlTakingTheFocusHasAnAccessibleNameAndDescription) {
  struct Expected {
    const char* control;
    QString name;
  };
  // A button or check box speaks its caption.
  const Expected expected[] = {
      {"Dir1", "Folders"},
      {"Command1", Latin1(FormControl("Command1").text)},
      {"Check1", Latin1(kFilterOffCaption)},
      {"Text2", "Filter text"},
      {"Check2", Latin1(FormControl("Check2").text)},
      {"Text3", "Links per page"},
      {"Text1", "Linked names"},
      {"Command3", Latin1(FormControl("Command3").text)},
  };
  MainWindow window;
  testing::ShowActive(window);
  QStringList focusable;
  for (QWidget* child : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (child->focusPolicy() & Qt::TabFocus) focusable << child->objectName();
  }
  QStringList listed;
  for (const Expected& control : expected) listed << control.control;
  focusable.sort();
  listed.sort();
  EXPECT_EQ(focusable, listed);

  for (const Expected& control : expected) {
    SCOPED_TRACE(control.control);
    QWidget* widget = Find(window, control.control);
    EXPECT_EQ(AccessibleText(widget, QAccessible::Name), control.name);
    EXPECT_FALSE(AccessibleText(widget, QAccessible::Description).isEmpty());
  }

  // A check box's name follows its caption.
  testing::ClickCheckBox(Find<QCheckBox>(window, "Check1"));
  EXPECT_EQ(AccessibleText(Find(window, "Check1"), QAccessible::Name), Latin1(kFilterOnCaption));
}

TEST(MainWindowTest, LabelsAreTiedToTheControlsTheyDescribe) {
  struct Tie {
    const char* label;
    const char* control;
    // Whether Qt tells a screen reader about the tie; its item views do
    // not, so the folder list carries its own name.
    bool read_as_label;
  };
  const Tie ties[] = {
      {"Label1", "Dir1", false}, {"Label5", "Text3", true}, {"Label6", "Text3", true}};
  MainWindow window;
  for (const Tie& tie : ties) {
    SCOPED_TRACE(tie.label);
    auto* label = Find<QLabel>(window, tie.label);
    QWidget* control = Find(window, tie.control);
    EXPECT_EQ(label->buddy(), control);
    if (!tie.read_as_label) continue;
    bool found = false;
    for (const auto& [labelling, relation] :
         QAccessible::queryAccessibleInterface(control)->relations(QAccessible::Label)) {
      found = found || labelling->object() == label;
    }
    EXPECT_TRUE(found);
  }
}

// Records the order in which controls are shown and hidden.
class ShowHideRecorder : public QObject {
 public:
  explicit ShowHideRecorder(const std::vector<QWidget*>& controls) {
    for (QWidget* control : controls) control->installEventFilter(this);
  }
  QStringList events;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ShowToParent) events << "show " + watched->objectName();
    if (event->type() == QEvent::HideToParent) events << "hide " + watched->objectName();
    return false;
  }
};

TEST(MainWindowTest, FilterBoxShowsAndHidesTheTextKeepingIt) {
  MainWindow window;
  testing::ShowActive(window);
  auto* check1 = Find<QCheckBox>(window, "Check1");
  auto* text2 = Find<QLineEdit>(window, "Text2");
  const QString off_caption = Latin1(kFilterOffCaption);
  const QString on_caption = Latin1(kFilterOnCaption);

  testing::ClickCheckBox(check1);
  EXPECT_TRUE(check1->isChecked());
  EXPECT_EQ(check1->text(), on_caption);
  EXPECT_TRUE(text2->isVisible());
  EXPECT_EQ(text2->text(), "");
  testing::TypeReplacing(text2, ".pdf");

  testing::ClickCheckBox(check1);
  EXPECT_EQ(check1->text(), off_caption);
  EXPECT_FALSE(text2->isVisible());

  // The space bar clicks as well.
  check1->setFocus();
  QTest::keyClick(check1, Qt::Key_Space);
  EXPECT_EQ(check1->text(), on_caption);
  EXPECT_TRUE(text2->isVisible());
  EXPECT_EQ(text2->text(), ".pdf");
}

TEST(MainWindowTest, PagingBoxShowsAndHidesTheRowInOrderKeepingTheNumber) {
  MainWindow window;
  testing::ShowActive(window);
  auto* check2 = Find<QCheckBox>(window, "Check2");
  auto* text3 = Find<QLineEdit>(window, "Text3");
  const QString caption = check2->text();
  ShowHideRecorder recorder(
      {Find(window, "Label5"), Find(window, "Text3"), Find(window, "Label6")});

  testing::ClickCheckBox(check2);
  EXPECT_EQ(recorder.events, (QStringList{"show Label5", "show Label6", "show Text3"}));
  EXPECT_EQ(text3->text(), "95");
  testing::TypeReplacing(text3, "12");
  recorder.events.clear();

  testing::ClickCheckBox(check2);
  EXPECT_EQ(recorder.events, (QStringList{"hide Label5", "hide Label6", "hide Text3"}));
  testing::ClickCheckBox(check2);
  EXPECT_EQ(text3->text(), "12");
  EXPECT_EQ(check2->text(), caption);
}

// A folder "site" holding these files, opened in the window through its
// folder list, the process having started in the folder above.
class RunTest : public ::testing::Test {
 protected:
  RunTest() {
    EXPECT_EQ(mkdir(Site().c_str(), 0755), 0);
    EXPECT_EQ(mkdir((temp_ / "other").c_str(), 0755), 0);
  }

  std::string Site() const { return temp_ / "site"; }

  void AddFiles(const std::vector<std::string>& names) {
    for (const std::string& name : names) testing::WriteFile(temp_ / ("site/" + name), "x");
  }

  // Opens "site" in Dir1, then highlights "other" without opening it: a run
  // uses the opened folder.
  void OpenSite() {
    window_ = std::make_unique<MainWindow>();
    testing::ShowActive(*window_);
    auto* dir1 = Find<FolderList>(*window_, "Dir1");
    testing::DoubleClickLine(dir1, "site");
    testing::ClickLine(dir1, QString::fromStdString(temp_.path()).section('/', -1));
    ASSERT_EQ(window_->open_folder(), Site());
  }

  void SetFilter(const QString& text) {
    testing::ClickCheckBox(Find<QCheckBox>(*window_, "Check1"));
    testing::TypeReplacing(Find(*window_, "Text2"), text);
  }

  void SetPaging(const QString& links_per_page) {
    testing::ClickCheckBox(Find<QCheckBox>(*window_, "Check2"));
    testing::TypeReplacing(Find(*window_, "Text3"), links_per_page);
  }

  void ClickStep2() {
    QTest::mouseClick(Find(*window_, "Command1"), Qt::LeftButton);
    testing::WaitForLog(*window_);
  }

  QStringList LogLines() {
    return Find<QPlainTextEdit>(*window_, "Text1")->toPlainText().split('\n');
  }

  TempFolder temp_;
  CurrentDirectory cwd_{temp_.path()};
  std::unique_ptr<MainWindow> window_;
};

TEST_F(RunTest, Step2WritesPagesAndMasterIndexForTheFilteredFiles) {
  AddFiles({"a.pdf", "b.txt", "c.pdf", "d.PDF", "e.pdf.bak", "f.pdf", "g.doc", "h.pdf", "i.pdf"});
  OpenSite();
  SetFilter(".pdf");
  SetPaging("3");
  ClickStep2();

  // The log lists the kept names in the folder's own order, one a line.
  QStringList log = LogLines();
  ASSERT_EQ(log.size(), 7) << log.join('|').toStdString();
  EXPECT_EQ(log.takeLast(), "");  // After the last line break.
  QStringList sorted = log;
  sorted.sort();
  EXPECT_EQ(sorted, (QStringList{"a.pdf", "c.pdf", "e.pdf.bak", "f.pdf", "h.pdf", "i.pdf"}));

  // Six kept files at three a page fill two pages; the master index lists
  // just those two.
  std::string page1, page2;
  for (int i = 0; i < 3; ++i) page1 += Record(log[i].toStdString());
  for (int i = 3; i < 6; ++i) page2 += Record(log[i].toStdString());
  std::map<std::string, std::string> files = testing::SnapshotFolder(Site());
  for (const char* name :
       {"a.pdf", "b.txt", "c.pdf", "d.PDF", "e.pdf.bak", "f.pdf", "g.doc", "h.pdf", "i.pdf"}) {
    EXPECT_EQ(files[name], "x") << name;
    files.erase(name);
  }
  EXPECT_EQ(files, (std::map<std::string, std::string>{
                       {"index1.html", page1},
                       {"index2.html", page2},
                       {"index.html", Record("index1.html") + Record("index2.html")},
                   }));
  EXPECT_TRUE(testing::SnapshotFolder(temp_ / "other").empty());
}

TEST_F(RunTest, LogShowsFromItsFirstLine) {
  std::vector<std::string> names;
  for (int i = 0; i < 300; ++i) names.push_back("file" + std::to_string(i) + ".txt");
  AddFiles(names);
  OpenSite();
  auto* text1 = Find<QPlainTextEdit>(*window_, "Text1");
  ClickStep2();
  text1->setFocus();
  QTest::keyClick(text1, Qt::Key_End, Qt::ControlModifier);
  ASSERT_GT(text1->verticalScrollBar()->value(), 0);

  ClickStep2();  // Lists the first run's index1.html as well.
  EXPECT_EQ(LogLines().size(), 302);
  EXPECT_EQ(text1->verticalScrollBar()->value(), 0);
  EXPECT_EQ(text1->cursorForPosition(QPoint(2, 2)).blockNumber(), 0);
  // Nothing lost or doubled where the box was filled in two steps.
  QStringList expected{"", "index1.html"};
  for (const std::string& name : names) expected << QString::fromStdString(name);
  expected.sort();
  QStringList shown = LogLines();
  shown.sort();
  EXPECT_EQ(shown, expected);

  // A run's log is one piece: undo cannot take part of it away.
  const QString log = text1->toPlainText();
  text1->setFocus();
  QTest::keyClick(text1, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(text1->toPlainText(), log);
}

TEST_F(RunTest, FailedWriteShowsTheLogSoFarAndTheReport) {
  AddFiles({"a.txt"});
  ASSERT_EQ(mkdir((Site() + "/index1.html").c_str(), 0755), 0);  // Cannot be opened as a file.
  OpenSite();
  testing::ReportCapture capture;
  ClickStep2();
  ASSERT_EQ(capture.reports.size(), 1u);
  EXPECT_TRUE(capture.reports[0].detail.contains("index1.html"))
      << capture.reports[0].detail.toStdString();
  EXPECT_EQ(LogLines(), (QStringList{"a.txt", ""}));
}

// Receives the addresses the window asks the desktop to open.
class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> urls;

 public slots:
  void Open(const QUrl& url) { urls << url; }
};

TEST(MainWindowTest, ReadMeOpensThePageOnEveryClick) {
  UrlCatcher catcher;
  QDesktopServices::setUrlHandler("http", &catcher, "Open");
  QDesktopServices::setUrlHandler("file", &catcher, "Open");
  MainWindow window;
  testing::ShowActive(window);
  QTest::mouseClick(Find(window, "Command3"), Qt::LeftButton);
  QTest::mouseClick(Find(window, "Command3"), Qt::LeftButton);
  QDesktopServices::unsetUrlHandler("http");
  QDesktopServices::unsetUrlHandler("file");
  // The tests run from the build tree, where nothing is installed: without
  // a publisher the page is the one this build made.
  const QUrl page = PublisherHost().isEmpty()
                        ? QUrl::fromLocalFile(BuildReadMePage())
                        : QUrl("http://" + PublisherHost() + "/Quillfold/readme.html");
  EXPECT_EQ(catcher.urls, (QList<QUrl>{page, page}));
  EXPECT_TRUE(QFileInfo::exists(BuildReadMePage())) << BuildReadMePage().toStdString();
}

TEST_F(RunTest, ControlCharactersInNamesShowByTheirCodeOneNameALine) {
  AddFiles({"cr\rname.txt", "nl\nname.txt", "esc\x1bname.txt", "ls\u2028name.txt",
            "ps\u2029name.txt", "plain.txt"});
  OpenSite();
  ClickStep2();
  QStringList log = LogLines();
  ASSERT_EQ(log.size(), 7) << log.join('|').toStdString();
  EXPECT_EQ(log.takeLast(), "");
  log.sort();
  QStringList expected{"cr<U+000D>name.txt", "nl<U+000A>name.txt", "esc<U+001B>name.txt",
                       "ls<U+2028>name.txt", "ps<U+2029>name.txt", "plain.txt"};
  expected.sort();
  EXPECT_EQ(log, expected);
  // The pages link the names themselves, one record each.
  const std::string page = testing::ReadFile(Site() + "/index1.html");
  EXPECT_NE(page.find(Record("plain.txt")), std::string::npos);
  std::size_t records = 0;
  for (std::size_t at = page.find("<p><a "); at != std::string::npos;
       at = page.find("<p><a ", at + 1)) {
    ++records;
  }
  EXPECT_EQ(records, 6u);
}

// The window has no default button: Enter presses the focused button and
// nothing else.
class EnterTest : public RunTest {
 protected:
  EnterTest() {
    AddFiles({"a.txt"});
    OpenSite();
    // Shows both boxes; the filter keeps the page files out of later runs.
    SetFilter(".txt");
    SetPaging("95");
    QDesktopServices::setUrlHandler("http", &read_me_, "Open");
    QDesktopServices::setUrlHandler("file", &read_me_, "Open");
  }
  ~EnterTest() override {
    QDesktopServices::unsetUrlHandler("http");
    QDesktopServices::unsetUrlHandler("file");
  }

  // Each run appends one record for a.txt.
  int Runs() const {
    const std::string path = Site() + "/index1.html";
    if (!QFileInfo::exists(QString::fromStdString(path))) return 0;
    return static_cast<int>(testing::ReadFile(path).size() / Record("a.txt").size());
  }

  UrlCatcher read_me_;
};

TEST_F(EnterTest, EnterPressesTheFocusedButtonOnly) {
  struct Case {
    const char* what;
    const char* focus;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int runs;
    int read_me_opened;
  };
  const Case cases[] = {
      {"Return on Step 2", "Command1", Qt::Key_Return, Qt::NoModifier, 1, 0},
      {"keypad Enter on Step 2", "Command1", Qt::Key_Enter, Qt::KeypadModifier, 1, 0},
      {"Space on Step 2", "Command1", Qt::Key_Space, Qt::NoModifier, 1, 0},
      {"Return on Read me", "Command3", Qt::Key_Return, Qt::NoModifier, 0, 1},
      {"keypad Enter on Read me", "Command3", Qt::Key_Enter, Qt::KeypadModifier, 0, 1},
      {"Ctrl+Return on Step 2", "Command1", Qt::Key_Return, Qt::ControlModifier, 0, 0},
      {"Return in the filter text", "Text2", Qt::Key_Return, Qt::NoModifier, 0, 0},
      {"keypad Enter in the number box", "Text3", Qt::Key_Enter, Qt::KeypadModifier, 0, 0},
      {"Return on a check box", "Check2", Qt::Key_Return, Qt::NoModifier, 0, 0},
      {"Return in the log", "Text1", Qt::Key_Return, Qt::NoModifier, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const int runs = Runs();
    const qsizetype opened = read_me_.urls.size();
    QWidget* control = Find(*window_, c.focus);
    control->setFocus();
    ASSERT_TRUE(control->hasFocus());
    QTest::keyClick(control, c.key, c.modifiers);
    EXPECT_EQ(Runs() - runs, c.runs);
    EXPECT_EQ(read_me_.urls.size() - opened, c.read_me_opened);
  }
}

TEST_F(EnterTest, HoldingEnterDownRunsOnce) {
  QWidget* command1 = Find(*window_, "Command1");
  command1->setFocus();
  for (bool repeat : {false, true, true, true}) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", repeat);
    QApplication::sendEvent(command1, &press);
  }
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, "\r");
  QApplication::sendEvent(command1, &release);
  EXPECT_EQ(Runs(), 1);
}

// Sets HOME for as long as it lives.
class HomeVariable {
 public:
  explicit HomeVariable(const std::string& home) {
    if (const char* old = std::getenv("HOME")) old_ = old;
    setenv("HOME", home.c_str(), 1);
  }
  ~HomeVariable() {
    if (old_) {
      setenv("HOME", old_->c_str(), 1);
    } else {
      unsetenv("HOME");
    }
  }

 private:
  std::optional<std::string> old_;
};

// Started in a folder that was deleted, the window opens the home folder,
// and Step 2 writes there rather than into the root.
TEST(MainWindowTest, StartedInADeletedFolderItOpensTheHomeFolder) {
  TempFolder temp;
  const std::string home = temp / "home";
  testing::MakeFolder(home);
  testing::WriteFile(home + "/a.txt", "x");
  testing::MakeFolder(temp / "gone");
  const HomeVariable home_variable(home + "/");
  const CurrentDirectory cwd(temp / "gone");
  ASSERT_EQ(rmdir((temp / "gone").c_str()), 0);

  MainWindow window;
  testing::ShowActive(window);
  auto* dir1 = Find<FolderList>(window, "Dir1");
  // Not to press Step 2 over the root.
  ASSERT_EQ(window.open_folder(), home);
  EXPECT_EQ(dir1->currentItem()->text(), "home");
  QTest::mouseClick(Find(window, "Command1"), Qt::LeftButton);
  EXPECT_EQ(Find<QPlainTextEdit>(window, "Text1")->toPlainText(), "a.txt\n");
  EXPECT_EQ(testing::SnapshotFolder(home),
            (testing::FolderBytes{{"a.txt", "x"}, {"index1.html", Record("a.txt")}}));
}

TEST(MainWindowTest, ClosingTheWindowEndsTheProgram) {
  MainWindow window;
  window.ShowCentered();
  QTimer::singleShot(0, &window, &QWidget::close);
  // Should closing not end it, this ends the wait with a failure.
  QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace quillfold

#include "main_window_test.moc"
