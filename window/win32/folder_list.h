#ifndef QUILLFOLD_WINDOW_WIN32_FOLDER_LIST_H_
#define QUILLFOLD_WINDOW_WIN32_FOLDER_LIST_H_

#include <windows.h>

#include <cstddef>
#include <vector>

#include "window/shared/folder_lines.h"

namespace quillfold {

// Dir1, the folder list: the path from the drive or share root down to the
// open folder, then that folder's sub-folders (FormController's lines), each
// line drawn with the shell's folder icon. A click only highlights a line;
// the window opens it on a double-click or Enter.
class FolderList {
 public:
  // Takes over `list`, an owner-drawn list box (LBS_OWNERDRAWFIXED |
  // LBS_HASSTRINGS).
  explicit FolderList(HWND list);
  FolderList(const FolderList&) = delete;
  FolderList& operator=(const FolderList&) = delete;
  ~FolderList();

  HWND handle() const { return list_; }

  // Lines and icons follow the window's density.
  void SetDotsPerInch(int dots_per_inch);

  // Draws one line, for the owner window's WM_DRAWITEM.
  void DrawLine(const DRAWITEMSTRUCT& item) const;

  // Shows `lines`, `open_line` highlighted.
  void Show(std::vector<FolderLine> lines, std::size_t open_line);

  // The highlighted line; none (-1) when no line is.
  int highlighted_line() const;
  void Highlight(std::size_t line);

 private:
  HWND list_;
  HICON open_folder_icon_ = nullptr;
  HICON closed_folder_icon_ = nullptr;
  int dots_per_inch_ = 96;
  std::vector<FolderLine> lines_;
};

// The height of one line of Dir1 at `dots_per_inch`, which the list box asks
// for (WM_MEASUREITEM) while it is being made.
int FolderLineHeight(int dots_per_inch);

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_WIN32_FOLDER_LIST_H_
