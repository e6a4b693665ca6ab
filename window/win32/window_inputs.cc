#include "window/win32/window_inputs.h"

#include <windowsx.h>

#include <utility>

#include "platform/windows/wide_text.h"

namespace quillfold {
namespace {

// The control's text in UTF-8.
std::string TextOf(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), text.size())));
  return FromWide(text);
}

}  // namespace

CheckState CheckStateOf(HWND check_box) {
  switch (Button_GetCheck(check_box)) {
    case BST_CHECKED:
      return CheckState::kTicked;
    case BST_INDETERMINATE:
      return CheckState::kGrey;
    default:
      return CheckState::kClear;
  }
}

RunSettings ReadRunSettings(std::string folder, const RunControls& controls) {
  return {std::move(folder), IsOn(CheckStateOf(controls.filter_switch)),
          TextOf(controls.filter_text), IsOn(CheckStateOf(controls.paging_switch)),
          TextOf(controls.links_per_page)};
}

}  // namespace quillfold
