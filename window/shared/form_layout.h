#ifndef QUILLFOLD_WINDOW_SHARED_FORM_LAYOUT_H_
#define QUILLFOLD_WINDOW_SHARED_FORM_LAYOUT_H_

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "window/shared/twips.h"

namespace quillfold {

// Form1 as it was drawn, which every system's window builds from: the same
// controls, names, captions and places wherever Quillfold runs.

// The client area, inside the frame and the caption bar.
inline constexpr int kFormWidthTwips = 12030;
inline constexpr int kFormHeightTwips = 8730;

// The form's font.
inline constexpr std::string_view kFormFontFamily = "Verdana";
inline constexpr double kFormFontPoints = 9.75;

enum class ControlKind {
  kLabel,       // Static text.
  kFolderList,  // Dir1.
  kButton,
  kCheckBox,
  kTextBox,  // One line of input.
  kLog,      // Many lines, editable, both scroll bars.
};

// No place in the focus order: the control never takes the focus.
inline constexpr int kNoFocus = -1;

struct ControlLayout {
  std::string_view name;  // The control's name in the drawing: "Command1".
  ControlKind kind;
  std::string_view text;  // Its caption, or a text box's first text.
  TwipsRect place;        // Relative to the client area.
  bool visible_at_start;
  int focus_order;  // 0 takes the focus when the window opens; Tab goes up.
};

// Every control, in the order the drawing lists them.
std::span<const ControlLayout> FormControls();

// The control named `name`; one not in the drawing is a programming mistake
// and aborts.
const ControlLayout& FormControl(std::string_view name);

// The boxes (the folder list, the text boxes, the log) that the label or
// check box `name` overlaps. The drawing's rectangles overlap by a few twips
// (Label1 over Dir1's top edge, Check1 over Text2's, Check2 over Text3's);
// there the box is drawn over its neighbour, as the drawing's own system
// drew its windowless labels beneath every box, so the box's whole border
// shows. Every rectangle stays as drawn.
std::vector<std::string_view> BoxesOverlapping(std::string_view name);

// Check1's caption says what the tick does next.
inline constexpr std::string_view kFilterOffCaption =
    "tick here if you want to choose a specific file type";
inline constexpr std::string_view kFilterOnCaption =
    "type file type in box below, for example, .html or .txt or .doc";

// The controls Check1 and Check2 show while ticked and hide while clear.
std::span<const std::string_view> FilterControls();
std::span<const std::string_view> PagingControls();

// Form1's caption: "Quillfold from HOST" with a publisher host, else
// "Quillfold".
std::string FormCaption(std::string_view publisher_host);

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_SHARED_FORM_LAYOUT_H_
