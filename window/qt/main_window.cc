#include "window/qt/main_window.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <span>
#include <string_view>
#include <vector>

#include "generation/generate_indexes.h"
#include "runtime/error.h"
#include "window/qt/app_icon.h"
#include "window/qt/enter_key.h"
#include "window/qt/error_report.h"
#include "window/qt/folder_list.h"
#include "window/qt/read_me.h"
#include "window/qt/window_inputs.h"
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

void SetVisible(QWidget* window, std::span<const std::string_view> names, bool visible) {
  for (std::string_view name : names) {
    window->findChild<QWidget*>(Latin1(name), Qt::FindDirectChildrenOnly)->setVisible(visible);
  }
}

// What a screen reader says for a control: its name, unless the control
// speaks its own caption (`name` null), and what it does.
void Describe(QWidget* control, const char* name, const char* description) {
  if (name != nullptr) control->setAccessibleName(QLatin1String(name));
  control->setAccessibleDescription(QLatin1String(description));
}

}  // namespace

MainWindow::MainWindow(QWidget* parent, Disk& disk) : QWidget(parent), disk_(disk) {
  CreateWindowProperties();
  CreateFolderStep();
  CreateFilterOption();
  CreatePagingOption();
  CreateLog();
  CreateReadMeButton();
  SetFocusOrder();
}

void MainWindow::ShowCentered() {
  const QRect screen = this->screen()->availableGeometry();
  setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen));
  show();
}

void MainWindow::CreateWindowProperties() {
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
  Label1_ = PlaceLabel(this, "Label1");
  Dir1_ = Place<FolderList>(this, "Dir1");
  Command1_ = Place<QPushButton>(this, "Command1");
  Label1_->setBuddy(Dir1_);
  Describe(Dir1_, "Folders",
           "The path from the root down to the open folder, then its sub-folders. Enter or a "
           "double-click opens the highlighted folder; Step 2 uses the open one.");
  Describe(Command1_, nullptr,
           "Appends a link for every matching file of the open folder to its index1.html and "
           "lists the linked names");
  ClickOnEnter(Command1_);
  connect(Command1_, &QPushButton::clicked, this, &MainWindow::RunGeneration);
}

void MainWindow::CreateFilterOption() {
  Check1_ = Place<QCheckBox>(this, "Check1");
  Text2_ = Place<QLineEdit>(this, "Text2");
  Describe(Check1_, nullptr, "Links only the file names that contain the filter text");
  Describe(Text2_, "Filter text",
           "Only file names that contain this text get a link, for example .pdf");
  connect(Check1_, &QCheckBox::clicked, this, &MainWindow::ShowOrHideFilterText);
}

void MainWindow::CreatePagingOption() {
  Check2_ = Place<QCheckBox>(this, "Check2");
  Label5_ = PlaceLabel(this, "Label5");
  Text3_ = Place<QLineEdit>(this, "Text3");
  Label6_ = PlaceLabel(this, "Label6");
  Label5_->setBuddy(Text3_);
  Label6_->setBuddy(Text3_);
  Describe(Check2_, nullptr,
           "Spreads the links over index1.html, index2.html and so on, and lists those pages in "
           "index.html");
  Describe(Text3_, "Links per page", "How many links each page holds");
  connect(Check2_, &QCheckBox::clicked, this, &MainWindow::ShowOrHideLinksPerPage);
}

void MainWindow::CreateLog() {
  Text1_ = Place<QPlainTextEdit>(this, "Text1");
  Text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
  Text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Tab leaves the log for the next control instead of typing a tab.
  Text1_->setTabChangesFocus(true);
  Describe(Text1_, "Linked names", "The names the last Step 2 linked, one a line");
}

void MainWindow::CreateReadMeButton() {
  Command3_ = Place<QPushButton>(this, "Command3");
  Describe(Command3_, nullptr, "Opens the read-me page in the browser");
  ClickOnEnter(Command3_);
  connect(Command3_, &QPushButton::clicked, this, &MainWindow::OpenReadMePage);
}

void MainWindow::SetFocusOrder() {
  std::vector<const ControlLayout*> order;
  for (const ControlLayout& control : FormControls()) {
    if (control.focus_order != kNoFocus) order.push_back(&control);
  }
  std::sort(order.begin(), order.end(),
            [](const auto* a, const auto* b) { return a->focus_order < b->focus_order; });
  std::vector<QWidget*> controls;
  for (const ControlLayout* control : order) {
    controls.push_back(findChild<QWidget*>(Latin1(control->name), Qt::FindDirectChildrenOnly));
  }
  for (std::size_t i = 1; i < controls.size(); ++i) setTabOrder(controls[i - 1], controls[i]);
  controls.front()->setFocus();
}

void MainWindow::ShowOrHideFilterText() {
  switch (Check1_->checkState()) {
    case Qt::Checked:
      Check1_->setText(Latin1(kFilterOnCaption));
      SetVisible(this, FilterControls(), true);
      break;
    case Qt::Unchecked:
      Check1_->setText(Latin1(kFilterOffCaption));
      SetVisible(this, FilterControls(), false);
      break;
    case Qt::PartiallyChecked:  // The grey state changes nothing.
      break;
  }
}

void MainWindow::ShowOrHideLinksPerPage() {
  switch (Check2_->checkState()) {
    case Qt::Checked:
      SetVisible(this, PagingControls(), true);
      break;
    case Qt::Unchecked:
      SetVisible(this, PagingControls(), false);
      break;
    case Qt::PartiallyChecked:
      break;
  }
}

void MainWindow::RunGeneration() {
  WindowInputs inputs({Dir1_, Check1_, Text2_, Check2_, Text3_, Text1_});
  try {
    GenerateIndexes(inputs, disk_);
  } catch (const Error& error) {
    // The names linked before the failure are shown behind the report.
    inputs.ShowLog();
    ReportError(this, error);
    return;
  }
  inputs.ShowLog();
}

void MainWindow::OpenReadMePage() {
  OpenReadMe(
      this, ReadMeUrl(PublisherHost(), QCoreApplication::applicationDirPath(), SourceReadMePage()));
}

}  // namespace quillfold
