#ifndef QUILLFOLD_WINDOW_SHARED_OPTIONS_VIEW_H_
#define QUILLFOLD_WINDOW_SHARED_OPTIONS_VIEW_H_

#include <string_view>

namespace quillfold {

// A check box's three states. The grey one only a program can set.
enum class CheckState { kClear, kTicked, kGrey };

// Whether the option of a check box in `state` is on: a grey box is no
// ticked one.
constexpr bool IsOn(CheckState state) { return state == CheckState::kTicked; }

// What the window shows of its two options: whether the filter text box
// (FilterControls()) and the links-per-page row (PagingControls()) show,
// and Check1's caption.
struct OptionsView {
  bool filter_text_shown = false;
  bool links_per_page_shown = false;
  std::string_view filter_caption;

  friend bool operator==(const OptionsView&, const OptionsView&) = default;
};

// As the window opens: both hidden, Check1 saying what a tick does.
OptionsView InitialOptionsView();

// After Check1, or Check2, came to `state`, however it did: a click, a key,
// a screen reader's action or the program. A tick shows the option's
// controls (and Check1 says what to type), a clear hides them; the grey
// state changes nothing.
OptionsView AfterFilterChange(OptionsView view, CheckState state);
OptionsView AfterPagingChange(OptionsView view, CheckState state);

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_SHARED_OPTIONS_VIEW_H_
