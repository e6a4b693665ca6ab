#include "window/qt/folder_indent_delegate.h"

namespace quillfold {
namespace {

int IndentOf(const QModelIndex& index) {
  return index.data(FolderIndentDelegate::kDepthRole).toInt() * FolderIndentDelegate::kIndent;
}

}  // namespace

void FolderIndentDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  QStyleOptionViewItem indented = option;
  indented.rect.setLeft(option.rect.left() + IndentOf(index));
  QStyledItemDelegate::paint(painter, indented, index);
}

QSize FolderIndentDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
  return QStyledItemDelegate::sizeHint(option, index) + QSize(IndentOf(index), 0);
}

}  // namespace quillfold
