#ifndef QUILLFOLD_WINDOW_WIN32_FOLDER_LIST_H_
#define QUILLFOLD_WINDOW_WIN32_FOLDER_LIST_H_

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "window/shared/folder_lines.h"

namespace quillfold {

// Dir1, the folder list: the path from the drive or share root down to the
// open folder, then that folder's sub-folders, each line drawn with the
// shell's folder icon. A click only highlights a line; opening it (a
// double-click, or Enter) makes it the open folder, the one a run uses. It
// starts at the current folder, or where StartFolder says when that is gone
// or cannot be read. Folders are listed on a thread of their own, the
// window held as during a run: a slow disk or share cannot freeze it.
class FolderList {
 public:
  // Takes over `list`, an owner-drawn list box (LBS_OWNERDRAWFIXED |
  // LBS_HASSTRINGS). `wait` holds the window and waits for
  // kRunEndedMessage to it, which a listing's thread posts when done.
  FolderList(HWND list, std::function<void()> wait);
  FolderList(const FolderList&) = delete;
  FolderList& operator=(const FolderList&) = delete;
  ~FolderList();

  HWND handle() const { return list_; }

  // The folder that was opened last (absolute, UTF-8; WTF-8 for names the
  // system holds as ill-formed UTF-16); a highlighted line does not change it.
  const std::string& open_folder() const { return open_folder_; }

  // Lines and icons follow the window's density.
  void SetDotsPerInch(int dots_per_inch);

  // Draws one line, for the owner window's WM_DRAWITEM.
  void DrawLine(const DRAWITEMSTRUCT& item) const;

  // Shows the folder the window starts in.
  void OpenStart();

  // Opens the highlighted folder. When its sub-folders cannot be read, the
  // highlight goes back to the open folder, which stays open, and the
  // folder's error is raised for the window to report.
  void OpenHighlighted();

  // Opens `folder` (absolute) as opening its line would. When its
  // sub-folders cannot be read, the list stays as it was and the folder's
  // error is raised.
  void Open(const std::string& folder);

 private:
  ListedFolder Await(std::function<ListedFolder()> list);
  void Show(ListedFolder listed);

  HWND list_;
  std::function<void()> wait_;
  bool listing_ = false;
  HICON open_folder_icon_ = nullptr;
  HICON closed_folder_icon_ = nullptr;
  int dots_per_inch_ = 96;
  std::string open_folder_;
  std::vector<FolderLine> lines_;
  int open_line_ = 0;  // The line of the open folder.
};

// The height of one line of Dir1 at `dots_per_inch`, which the list box asks
// for (WM_MEASUREITEM) while it is being made.
int FolderLineHeight(int dots_per_inch);

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_WIN32_FOLDER_LIST_H_
