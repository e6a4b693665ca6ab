#ifndef QUILLFOLD_WINDOW_QT_FOLDER_INDENT_DELEGATE_H_
#define QUILLFOLD_WINDOW_QT_FOLDER_INDENT_DELEGATE_H_

#include <QStyledItemDelegate>

namespace quillfold {

// Draws each line of the folder list moved right by its depth, so the list
// reads as the path down to the current folder and that folder's contents.
class FolderIndentDelegate : public QStyledItemDelegate {
 public:
  // The item data role that holds a line's depth.
  static constexpr int kDepthRole = Qt::UserRole + 1;
  // Pixels per level: about half an icon, as classic folder lists indent.
  static constexpr int kIndent = 10;

  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_QT_FOLDER_INDENT_DELEGATE_H_
