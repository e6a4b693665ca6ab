#include "window/qt/folder_list.h"

#include <QKeyEvent>
#include <QStyle>
#include <string>

#include "runtime/shown_name.h"
#include "window/qt/folder_indent_delegate.h"

namespace quillfold {

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
  setItemDelegate(new FolderIndentDelegate(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { emit LineOpened(row(item)); });
}

void FolderList::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
    emit LineOpened(currentRow());
    return;
  }
  QListWidget::keyPressEvent(event);
}

void FolderList::ShowLines(const std::vector<FolderLine>& lines, std::size_t open_line) {
  clear();
  const QIcon open_icon = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed_icon = style()->standardIcon(QStyle::SP_DirClosedIcon);
  for (const FolderLine& line : lines) {
    std::string shown;
    AppendShownName(line.name, shown);
    auto* item =
        new QListWidgetItem(line.open ? open_icon : closed_icon, QString::fromStdString(shown));
    item->setData(FolderIndentDelegate::kDepthRole, line.depth);
    addItem(item);
  }
  setCurrentRow(static_cast<int>(open_line));
}

}  // namespace quillfold
