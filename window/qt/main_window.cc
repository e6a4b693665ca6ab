#include "window/qt/main_window.h"

#include <QAccessibleWidget>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <string_view>
#include <vector>

#include "runtime/error.h"
#include "window/qt/app_icon.h"
#include "window/qt/enter_key.h"
#include "window/qt/error_report.h"
#include "window/qt/folder_list.h"
#include "window/qt/input_hold.h"
#include "window/qt/log_box.h"
#include "window/qt/posix_folder_lines.h"
#include "window/qt/read_me.h"
#include "window/shared/focus_order.h"
#include "window/shared/form_layout.h"
#include "window/shared/twips.h"

namespace quillfold {
namespace {

// Qt's device-independent pixels are 96-dpi pixels: on a high-density
// screen Qt scales them itself.
constexpr int kQtDotsPerInch = 96;

QString Latin1(std::string_view text) {
  return QLatin1String(text.data(), static_cast<qsizetype>(text.size()));
}

QRect PlaceOf(const ControlLayout& control) {
  const PixelRect place = TwipsToPixels(control.place, kQtDotsPerInch);
  return QRect(place.left, place.top, place.width, place.height);
}

// Creates a control of the window as the drawing has it: its name, place,
// caption or text, and whether it shows at start.
template <typename Control>
Control* Place(QWidget* window, std::string_view name) {
  const ControlLayout& layout = FormControl(name);
  auto* control = new Control(window);
  control->setObjectName(Latin1(layout.name));
  control->setGeometry(PlaceOf(layout));
  if constexpr (requires { control->setText(QString()); }) {
    control->setText(Latin1(layout.text));
  }
  control->setVisible(layout.visible_at_start);
  return control;
}

// Labels keep their text at the top left of their box, as drawn.
QLabel* PlaceLabel(QWidget* window, std::string_view name) {
  auto* label = Place<QLabel>(window, name);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

// What a screen reader says for a control: its name, unless the control
// speaks its own caption (`name` null), and what it does.
void Describe(QWidget* control, const char* name, const char* description) {
  if (name != nullptr) control->setAccessibleName(QLatin1String(name));
  control->setAccessibleDescription(QLatin1String(description));
}

// Qt presents a plain QWidget as a client area (AT-SPI "filler"), which a
// screen reader does not announce; the window is a frame, named by its
// caption.
QAccessibleInterface* AccessibleWindow(const QString& class_name, QObject* object) {
  if (class_name != QLatin1String(MainWindow::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

}  // namespace

MainWindow::MainWindow(QWidget* parent, Disk& disk)
    : QWidget(parent), controller_(*this, disk, PosixFolders()) {
  CreateWindowProperties();
  CreateFolderStep();
  CreateFilterOption();
  CreatePagingOption();
  CreateLog();
  CreateReadMeButton();
  SetFocusOrder();
  RaiseOverlappedBoxes();
  controller_.OpenStartFolder();
}

void MainWindow::ShowCentered() {
  const QRect screen = this->screen()->availableGeometry();
  setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen));
  show();
}

void MainWindow::OpenGivenFolder(const std::string& folder) { controller_.OpenGivenFolder(folder); }

void MainWindow::CreateWindowProperties() {
  // Qt ignores a factory installed again, by a second window.
  QAccessible::installFactory(AccessibleWindow);
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(WindowCaption(PublisherHost()));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  setWindowIcon(AppIcon());
  resize(TwipsToPixels(kFormWidthTwips, kQtDotsPerInch),
         TwipsToPixels(kFormHeightTwips, kQtDotsPerInch));
  // Verdana where the system has it, else its metric look-alike.
  QFont font;
  font.setFamilies({Latin1(kFormFontFamily), QStringLiteral("DejaVu Sans")});
  font.setPointSizeF(kFormFontPoints);
  setFont(font);
}

void MainWindow::CreateFolderStep() {
  folder_label_ = PlaceLabel(this, "Label1");
  folder_list_ = Place<FolderList>(this, "Dir1");
  run_button_ = Place<QPushButton>(this, "Command1");
  folder_label_->setBuddy(folder_list_);
  Describe(folder_list_, "Folders",
           "The path from the root down to the open folder, then its sub-folders. Enter or a "
           "double-click opens the highlighted folder; Step 2 uses the open one.");
  Describe(run_button_, nullptr,
           "Appends a link for every matching file of the open folder to its index1.html and "
           "lists the linked names");
  connect(folder_list_, &FolderList::LineOpened, this,
          [this](int line) { controller_.OpenFolderLine(static_cast<std::size_t>(line)); });
  ClickOnEnter(run_button_);
  connect(run_button_, &QPushButton::clicked, this, [this] { controller_.Run(); });
}

void MainWindow::CreateFilterOption() {
  filter_switch_ = Place<QCheckBox>(this, "Check1");
  filter_text_ = Place<QLineEdit>(this, "Text2");
  Describe(filter_switch_, nullptr, "Links only the file names that contain the filter text");
  Describe(filter_text_, "Filter text",
           "Only file names that contain this text get a link, for example .pdf");
  // Every change of the box's state, not only a click: a screen reader's
  // toggle action and the program set it without one.
  connect(filter_switch_, &QCheckBox::stateChanged, this,
          [this] { controller_.FilterSwitchChanged(); });
}

void MainWindow::CreatePagingOption() {
  paging_switch_ = Place<QCheckBox>(this, "Check2");
  links_per_page_label_ = PlaceLabel(this, "Label5");
  links_per_page_ = Place<QLineEdit>(this, "Text3");
  links_per_page_hint_ = PlaceLabel(this, "Label6");
  links_per_page_label_->setBuddy(links_per_page_);
  links_per_page_hint_->setBuddy(links_per_page_);
  Describe(paging_switch_, nullptr,
           "Spreads the links over index1.html, index2.html and so on, and lists those pages in "
           "index.html");
  Describe(links_per_page_, "Links per page", "How many links each page holds");
  connect(paging_switch_, &QCheckBox::stateChanged, this,
          [this] { controller_.PagingSwitchChanged(); });
}

void MainWindow::CreateLog() {
  log_box_ = Place<LogBox>(this, "Text1");
  log_box_->setLineWrapMode(QPlainTextEdit::NoWrap);
  log_box_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  log_box_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Tab leaves the log for the next control instead of typing a tab.
  log_box_->setTabChangesFocus(true);
  Describe(log_box_, "Linked names", "The names the last Step 2 linked, one a line");
}

void MainWindow::CreateReadMeButton() {
  read_me_button_ = Place<QPushButton>(this, "Command3");
  Describe(read_me_button_, nullptr, "Opens the read-me page in the browser");
  ClickOnEnter(read_me_button_);
  connect(read_me_button_, &QPushButton::clicked, this, &MainWindow::OpenReadMePage);
}

void MainWindow::SetFocusOrder() {
  std::vector<QWidget*> controls;
  for (const std::string_view name : FocusOrder()) {
    controls.push_back(findChild<QWidget*>(Latin1(name), Qt::FindDirectChildrenOnly));
  }
  for (std::size_t i = 1; i < controls.size(); ++i) setTabOrder(controls[i - 1], controls[i]);
  controls.front()->setFocus();
}

void MainWindow::RaiseOverlappedBoxes() {
  for (const ControlLayout& control : FormControls()) {
    for (const std::string_view box : BoxesOverlapping(control.name)) {
      findChild<QWidget*>(Latin1(box), Qt::FindDirectChildrenOnly)->raise();
    }
  }
}

template <typename Control>
Control* MainWindow::Find(std::string_view name) const {
  return findChild<Control*>(Latin1(name), Qt::FindDirectChildrenOnly);
}

void MainWindow::SetVisible(std::string_view control, bool visible) {
  Find<QWidget>(control)->setVisible(visible);
}

void MainWindow::SetCaption(std::string_view control, std::string_view caption) {
  Find<QAbstractButton>(control)->setText(Latin1(caption));
}

CheckState MainWindow::CheckStateOf(std::string_view check_box) const {
  switch (Find<QCheckBox>(check_box)->checkState()) {
    case Qt::Checked:
      return CheckState::kTicked;
    case Qt::PartiallyChecked:
      return CheckState::kGrey;
    case Qt::Unchecked:
      break;
  }
  return CheckState::kClear;
}

std::string MainWindow::TextOf(std::string_view text_box) const {
  return Find<QLineEdit>(text_box)->text().toUtf8().toStdString();
}

void MainWindow::ShowFolderLines(const std::vector<FolderLine>& lines, std::size_t open_line) {
  folder_list_->ShowLines(lines, open_line);
}

void MainWindow::HighlightFolderLine(std::size_t line) {
  folder_list_->setCurrentRow(static_cast<int>(line));
}

void MainWindow::ShowLog(std::string log) {
  log_box_->ShowLog(std::move(log));
  log_box_->viewport()->repaint();
}

void MainWindow::ShowError(const Error& error) { ReportError(this, error); }

void MainWindow::PostWorkEnded() {
  QMetaObject::invokeMethod(&work_ended_, &QEventLoop::quit, Qt::QueuedConnection);
}

void MainWindow::HoldUntilWorkEnded(HeldFor) {
  // The window takes no input while the work lasts, but keeps painting and
  // answering the window manager.
  const InputHold hold;
  work_ended_.exec();
}

void MainWindow::OpenReadMePage() {
  OpenReadMe(this,
             ReadMeUrl(PublisherHost(), QCoreApplication::applicationDirPath(), BuildReadMePage()));
}

}  // namespace quillfold
