#ifndef QUILLFOLD_WINDOW_WIN32_WINDOW_TEXT_H_
#define QUILLFOLD_WINDOW_WIN32_WINDOW_TEXT_H_

#include <string>
#include <string_view>

#include "runtime/error.h"

namespace quillfold {

// What the Win32 window shows, worked out apart from the controls that show
// it. Names are UTF-16 in the window and UTF-8 (WTF-8) in the engine.

// A name as a line of Dir1: as AppendShownName shows it, in UTF-16.
std::wstring WideShownName(std::string_view name);

// `text`, whose lines end in LF, as a multi-line edit box takes it: that
// breaks lines only at CR LF.
std::wstring EditBoxText(std::string_view text);

// The error box's text: "Error N: TEXT", a blank line, then the detail.
std::wstring ErrorBoxText(const Error& error);

// The font height, in pixels, that CreateFont takes for `points` at
// `dots_per_inch` (negative: the character height without leading).
int FontHeight(double points, int dots_per_inch);

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_WIN32_WINDOW_TEXT_H_
