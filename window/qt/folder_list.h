#ifndef QUILLFOLD_WINDOW_QT_FOLDER_LIST_H_
#define QUILLFOLD_WINDOW_QT_FOLDER_LIST_H_

#include <QListWidget>
#include <functional>
#include <string>

#include "window/qt/posix_folder_lines.h"

namespace quillfold {

// A classic directory list box: the path from the root down to the current
// folder, then that folder's sub-folders. A click only highlights a line;
// a double-click or Enter opens the highlighted folder, which becomes the
// current one. A folder that cannot be opened is reported and the highlight
// goes back to the current folder, so the list always shows which folder a
// run uses. It starts at the process's current directory, or at the home
// folder when that is gone or cannot be read (see StartFolder). Folders
// are listed on a thread of their own while the window holds its input, as
// during a run: a slow disk or share cannot freeze the window.
class FolderList : public QListWidget {
  Q_OBJECT

 public:
  explicit FolderList(QWidget* parent = nullptr);

  // The folder that was opened last (absolute, the file system's bytes); a
  // merely highlighted line does not change it.
  const std::string& open_folder() const { return open_folder_; }

  // Opens `folder` (absolute, or from the current directory) as a
  // double-click on its line would, reporting a folder that cannot be
  // opened; the window was started on it.
  void OpenGivenFolder(const std::string& folder);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void OpenFolder(QListWidgetItem* item);
  void OpenPath(const std::string& path);
  // Runs `list` as a FolderListing and gives what it listed, or raises its
  // error, once it has ended.
  ListedFolder Await(std::function<ListedFolder()> list);
  void Show(const ListedFolder& listed);

  std::string open_folder_;
  int open_line_ = 0;  // The line of the current folder.
  bool listing_ = false;
};

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_QT_FOLDER_LIST_H_
