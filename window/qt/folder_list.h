#ifndef QUILLFOLD_WINDOW_QT_FOLDER_LIST_H_
#define QUILLFOLD_WINDOW_QT_FOLDER_LIST_H_

#include <QListWidget>
#include <cstddef>
#include <vector>

#include "window/shared/folder_lines.h"

namespace quillfold {

// A classic directory list box: the path from the root down to the open
// folder, then that folder's sub-folders (FormController's lines). A click
// only highlights a line; a double-click or Enter asks to open it.
class FolderList : public QListWidget {
  Q_OBJECT

 public:
  explicit FolderList(QWidget* parent = nullptr);

  // Shows `lines`, `open_line` highlighted.
  void ShowLines(const std::vector<FolderLine>& lines, std::size_t open_line);

 signals:
  void LineOpened(int line);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_QT_FOLDER_LIST_H_
