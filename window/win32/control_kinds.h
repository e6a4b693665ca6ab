#ifndef QUILLFOLD_WINDOW_WIN32_CONTROL_KINDS_H_
#define QUILLFOLD_WINDOW_WIN32_CONTROL_KINDS_H_

#include <windows.h>

#include "window/shared/form_layout.h"

namespace quillfold {

// Makes `control` of the drawing as a child of `parent`: the system's
// control for its kind (a list box drawn by its owner for the folder list,
// a multi-line edit box for the log), with its caption, shown when the
// drawing shows it at start. Its place and font are set apart, as they
// follow the window's DPI.
HWND CreateControl(const ControlLayout& control, HWND parent, HINSTANCE instance);

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_WIN32_CONTROL_KINDS_H_
