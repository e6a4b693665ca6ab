#include "window/main_window.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "generation/generate_indexes.h"
#include "runtime/error.h"
#include "window/app_icon.h"
#include "window/enter_key.h"
#include "window/error_report.h"
#include "window/folder_list.h"
#include "window/read_me.h"
#include "window/twips.h"
#include "window/window_inputs.h"

namespace quillfold {
namespace {

const char kFilterOffCaption[] = "tick here if you want to choose a specific file type";
const char kFilterOnCaption[] = "type file type in box below, for example, .html or .txt or .doc";

// Creates a control of the window with its name and its place in twips.
template <typename Control>
Control* Place(QWidget* window, const char* name, QRect place) {
  auto* control = new Control(window);
  control->setObjectName(QLatin1String(name));
  control->setGeometry(place);
  return control;
}

// Labels keep their text at the top left of their box, as drawn.
QLabel* PlaceLabel(QWidget* window, const char* name, const char* text, QRect place) {
  auto* label = Place<QLabel>(window, name, place);
  label->setText(QLatin1String(text));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
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
  resize(TwipsSize(12030, 8730));
  // Verdana where the system has it, else its metric look-alike.
  QFont font;
  font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
  font.setPointSizeF(9.75);
  setFont(font);
}

void MainWindow::CreateFolderStep() {
  Label1_ = PlaceLabel(this, "Label1", "Step 1: choose a folder", TwipsRect(360, 240, 7815, 375));
  Dir1_ = Place<FolderList>(this, "Dir1", TwipsRect(360, 600, 11295, 1980));
  Command1_ = Place<QPushButton>(this, "Command1", TwipsRect(360, 2760, 11295, 495));
  Command1_->setText(
      QStringLiteral("Step 2: get all files in the folder and make index.html in that same folder "
                     "(append if index.html already exists)"));
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
  Check1_ = Place<QCheckBox>(this, "Check1", TwipsRect(360, 3360, 7335, 375));
  Check1_->setText(QLatin1String(kFilterOffCaption));
  Text2_ = Place<QLineEdit>(this, "Text2", TwipsRect(360, 3720, 7335, 375));
  Text2_->hide();
  Describe(Check1_, nullptr, "Links only the file names that contain the filter text");
  Describe(Text2_, "Filter text",
           "Only file names that contain this text get a link, for example .pdf");
  connect(Check1_, &QCheckBox::clicked, this, &MainWindow::ShowOrHideFilterText);
}

void MainWindow::CreatePagingOption() {
  // Wider than the window: the caption is cut off at the right edge.
  Check2_ = Place<QCheckBox>(this, "Check2", TwipsRect(360, 4200, 12375, 375));
  Check2_->setText(
      QStringLiteral("tick here if you want to choose a specific number of links per index.html "
                     "page (creates multiple index pages)"));
  Label5_ = PlaceLabel(this, "Label5", "Create", TwipsRect(360, 4560, 735, 375));
  Text3_ = Place<QLineEdit>(this, "Text3", TwipsRect(1200, 4560, 1455, 375));
  Text3_->setText(QStringLiteral("95"));
  Label6_ = PlaceLabel(this, "Label6", "links per page", TwipsRect(2760, 4560, 1575, 375));
  Label5_->hide();
  Text3_->hide();
  Label6_->hide();
  Label5_->setBuddy(Text3_);
  Label6_->setBuddy(Text3_);
  Describe(Check2_, nullptr,
           "Spreads the links over index1.html, index2.html and so on, and lists those pages in "
           "index.html");
  Describe(Text3_, "Links per page", "How many links each page holds");
  connect(Check2_, &QCheckBox::clicked, this, &MainWindow::ShowOrHideLinksPerPage);
}

void MainWindow::CreateLog() {
  Text1_ = Place<QPlainTextEdit>(this, "Text1", TwipsRect(240, 5160, 11295, 2175));
  Text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
  Text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Tab leaves the log for the next control instead of typing a tab.
  Text1_->setTabChangesFocus(true);
  Describe(Text1_, "Linked names", "The names the last Step 2 linked, one a line");
}

void MainWindow::CreateReadMeButton() {
  Command3_ = Place<QPushButton>(this, "Command3", TwipsRect(120, 8160, 2775, 375));
  Command3_->setText(QStringLiteral("Read me"));
  Describe(Command3_, nullptr, "Opens the read-me page in the browser");
  ClickOnEnter(Command3_);
  connect(Command3_, &QPushButton::clicked, this, &MainWindow::OpenReadMePage);
}

void MainWindow::SetFocusOrder() {
  setTabOrder(Text1_, Command1_);
  setTabOrder(Command1_, Dir1_);
  setTabOrder(Dir1_, Check1_);
  setTabOrder(Check1_, Text2_);
  setTabOrder(Text2_, Text3_);
  setTabOrder(Text3_, Check2_);
  setTabOrder(Check2_, Command3_);
  Text1_->setFocus();
}

void MainWindow::ShowOrHideFilterText() {
  switch (Check1_->checkState()) {
    case Qt::Checked:
      Check1_->setText(QLatin1String(kFilterOnCaption));
      Text2_->show();
      break;
    case Qt::Unchecked:
      Check1_->setText(QLatin1String(kFilterOffCaption));
      Text2_->hide();
      break;
    case Qt::PartiallyChecked:  // The grey state changes nothing.
      break;
  }
}

void MainWindow::ShowOrHideLinksPerPage() {
  switch (Check2_->checkState()) {
    case Qt::Checked:
      Label5_->show();
      Label6_->show();
      Text3_->show();
      break;
    case Qt::Unchecked:
      Label5_->hide();
      Label6_->hide();
      Text3_->hide();
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
