#ifndef QUILLFOLD_WINDOW_WIN32_WINDOW_INPUTS_H_
#define QUILLFOLD_WINDOW_WIN32_WINDOW_INPUTS_H_

#include <windows.h>

#include <string>

#include "generation/generate_indexes.h"
#include "window/shared/options_view.h"

namespace quillfold {

// The state of a check box control (BST_CHECKED, BST_UNCHECKED or
// BST_INDETERMINATE).
CheckState CheckStateOf(HWND check_box);

// The controls a run's settings are read from.
struct RunControls {
  HWND filter_switch;
  HWND filter_text;
  HWND paging_switch;
  HWND links_per_page;
};

// The settings of one run, read from the window's controls as it starts,
// on the window's thread; `folder` is the folder list's open folder.
RunSettings ReadRunSettings(std::string folder, const RunControls& controls);

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_WIN32_WINDOW_INPUTS_H_
