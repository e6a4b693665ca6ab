#include "window/qt/folder_list.h"

#include <pwd.h>
#include <unistd.h>

#include <QEventLoop>
#include <QKeyEvent>
#include <QStyle>
#include <cstdlib>
#include <memory>
#include <utility>

#include "platform/absolute_folder.h"
#include "runtime/error.h"
#include "runtime/shown_name.h"
#include "window/qt/error_report.h"
#include "window/qt/folder_indent_delegate.h"
#include "window/qt/input_hold.h"
#include "window/shared/folder_listing.h"
#include "window/shared/start_folder.h"

namespace quillfold {
namespace {

constexpr int kPathRole = Qt::UserRole;

// Empty when the system cannot name it: getcwd fails once the folder has
// been removed.
std::string CurrentFolder() {
  std::unique_ptr<char, void (*)(void*)> cwd(getcwd(nullptr, 0), std::free);
  return cwd ? std::string(cwd.get()) : std::string();
}

// HOME, else the user database's entry; empty when neither names an
// absolute folder.
std::string HomeFolder() {
  std::string home;
  if (const char* variable = std::getenv("HOME"); variable != nullptr && variable[0] == '/') {
    home = variable;
  } else if (const passwd* user = getpwuid(getuid());
             user != nullptr && user->pw_dir != nullptr && user->pw_dir[0] == '/') {
    home = user->pw_dir;
  }
  while (home.size() > 1 && home.back() == '/') home.pop_back();
  return home;
}

}  // namespace

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
  setItemDelegate(new FolderIndentDelegate(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QListWidget::itemDoubleClicked, this, &FolderList::OpenFolder);
  Show(Await([places = StartPlaces{.current = CurrentFolder(), .home = HomeFolder(), .root = "/"}] {
    return ListStartFolder(places, PosixFolderLines, PathStyle::kPosix);
  }));
}

void FolderList::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
    OpenFolder(currentItem());
    return;
  }
  QListWidget::keyPressEvent(event);
}

void FolderList::OpenGivenFolder(const std::string& folder) {
  std::string path;
  try {
    path = AbsoluteFolder(folder, ParentSteps::kUpThePath);
  } catch (const Error& error) {
    ReportError(window(), error);
    return;
  }
  OpenPath(path);
}

void FolderList::OpenFolder(QListWidgetItem* item) {
  OpenPath(item->data(kPathRole).toByteArray().toStdString());
}

void FolderList::OpenPath(const std::string& path) {
  // Input is held meanwhile: only the program itself could ask again, and
  // the folder asked first is the one the user opened.
  if (listing_) return;
  ListedFolder listed;
  try {
    listed = Await([path] { return ListedFolder{path, PosixFolderLines(path)}; });
  } catch (const Error& error) {
    setCurrentRow(open_line_);
    ReportError(window(), error);
    return;
  }
  Show(listed);
}

ListedFolder FolderList::Await(std::function<ListedFolder()> list) {
  listing_ = true;
  QEventLoop wait;
  FolderListing listing(std::move(list), [&wait] {
    QMetaObject::invokeMethod(&wait, &QEventLoop::quit, Qt::QueuedConnection);
  });
  {
    // As during a run: the window takes no input but keeps painting and
    // answering the window manager.
    const InputHold hold;
    wait.exec();
  }
  listing_ = false;
  return listing.Finish();
}

void FolderList::Show(const ListedFolder& listed) {
  open_folder_ = listed.folder;
  clear();
  const QIcon open_icon = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed_icon = style()->standardIcon(QStyle::SP_DirClosedIcon);
  open_line_ = 0;
  for (const FolderLine& line : listed.lines) {
    std::string shown;
    AppendShownName(line.name, shown);
    auto* item =
        new QListWidgetItem(line.open ? open_icon : closed_icon, QString::fromStdString(shown));
    item->setData(kPathRole, QByteArray::fromStdString(line.path));
    item->setData(FolderIndentDelegate::kDepthRole, line.depth);
    addItem(item);
    if (line.open) open_line_ = count() - 1;
  }
  setCurrentRow(open_line_);
}

}  // namespace quillfold
