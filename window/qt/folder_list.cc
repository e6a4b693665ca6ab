#include "window/qt/folder_list.h"

#include <unistd.h>

#include <QFile>
#include <QKeyEvent>
#include <QStyle>
#include <cstdlib>
#include <memory>

#include "runtime/error.h"
#include "window/qt/error_report.h"
#include "window/qt/folder_indent_delegate.h"
#include "window/shared/shown_name.h"

namespace quillfold {
namespace {

constexpr int kPathRole = Qt::UserRole;

// getcwd fails when the directory has been removed; the root is then the
// one folder sure to exist.
std::string StartFolder() {
  std::unique_ptr<char, void (*)(void*)> cwd(getcwd(nullptr, 0), std::free);
  return cwd ? std::string(cwd.get()) : std::string("/");
}

}  // namespace

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
  setItemDelegate(new FolderIndentDelegate(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QListWidget::itemDoubleClicked, this, &FolderList::OpenFolder);

  current_path_ = StartFolder();
  try {
    ShowEntries(FolderEntries(current_path_));
  } catch (const Error&) {
    // Nothing is reported while the window is being created; the path
    // down to the folder still shows where a run would write.
    ShowEntries(FolderPathEntries(current_path_));
  }
}

void FolderList::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
    OpenFolder(currentItem());
    return;
  }
  QListWidget::keyPressEvent(event);
}

void FolderList::OpenFolder(QListWidgetItem* item) {
  const std::string path = item->data(kPathRole).toByteArray().toStdString();
  std::vector<FolderEntry> entries;
  try {
    entries = FolderEntries(path);
  } catch (const Error& error) {
    setCurrentRow(current_row_);
    ReportError(window(), error);
    return;
  }
  current_path_ = path;
  ShowEntries(entries);
}

void FolderList::ShowEntries(const std::vector<FolderEntry>& entries) {
  clear();
  const QIcon open_icon = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed_icon = style()->standardIcon(QStyle::SP_DirClosedIcon);
  current_row_ = 0;
  for (const FolderEntry& entry : entries) {
    QByteArray shown;
    AppendShownName(entry.name, shown);
    auto* item =
        new QListWidgetItem(entry.open ? open_icon : closed_icon, QFile::decodeName(shown));
    item->setData(kPathRole, QByteArray::fromStdString(entry.path));
    item->setData(FolderIndentDelegate::kDepthRole, entry.depth);
    addItem(item);
    if (entry.open) current_row_ = count() - 1;
  }
  setCurrentRow(current_row_);
}

}  // namespace quillfold
