#include "window/shared/form_layout.h"

#include <array>
#include <cstdlib>

namespace quillfold {
namespace {

constexpr std::array<ControlLayout, 11> kControls{{
    {"Label1",
     ControlKind::kLabel,
     "Step 1: choose a folder",
     {360, 240, 7815, 375},
     true,
     kNoFocus},
    {"Dir1", ControlKind::kFolderList, "", {360, 600, 11295, 1980}, true, 2},
    {"Command1",
     ControlKind::kButton,
     "Step 2: get all files in the folder and make index.html in that same folder (append if "
     "index.html already exists)",
     {360, 2760, 11295, 495},
     true,
     1},
    {"Check1", ControlKind::kCheckBox, kFilterOffCaption, {360, 3360, 7335, 375}, true, 3},
    {"Text2", ControlKind::kTextBox, "", {360, 3720, 7335, 375}, false, 4},
    // Wider than the form: the caption is cut off at the right edge, as drawn.
    {"Check2",
     ControlKind::kCheckBox,
     "tick here if you want to choose a specific number of links per index.html page (creates "
     "multiple index pages)",
     {360, 4200, 12375, 375},
     true,
     6},
    {"Label5", ControlKind::kLabel, "Create", {360, 4560, 735, 375}, false, kNoFocus},
    {"Text3", ControlKind::kTextBox, "95", {1200, 4560, 1455, 375}, false, 5},
    {"Label6", ControlKind::kLabel, "links per page", {2760, 4560, 1575, 375}, false, kNoFocus},
    {"Text1", ControlKind::kLog, "", {240, 5160, 11295, 2175}, true, 0},
    {"Command3", ControlKind::kButton, "Read me", {120, 8160, 2775, 375}, true, 7},
}};

constexpr std::array<std::string_view, 1> kFilterControls{"Text2"};
// Shown and hidden in this order, the labels before the box they describe.
constexpr std::array<std::string_view, 3> kPagingControls{"Label5", "Label6", "Text3"};

bool IsBox(ControlKind kind) {
  return kind == ControlKind::kFolderList || kind == ControlKind::kTextBox ||
         kind == ControlKind::kLog;
}

// Rectangles that only touch do not overlap.
bool Overlap(const TwipsRect& a, const TwipsRect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

}  // namespace

std::span<const ControlLayout> FormControls() { return kControls; }

const ControlLayout& FormControl(std::string_view name) {
  for (const ControlLayout& control : kControls) {
    if (control.name == name) return control;
  }
  std::abort();
}

std::vector<std::string_view> BoxesOverlapping(std::string_view name) {
  const ControlLayout& control = FormControl(name);
  std::vector<std::string_view> boxes;
  if (control.kind != ControlKind::kLabel && control.kind != ControlKind::kCheckBox) return boxes;
  for (const ControlLayout& box : kControls) {
    if (IsBox(box.kind) && Overlap(box.place, control.place)) boxes.push_back(box.name);
  }
  return boxes;
}

std::span<const std::string_view> FilterControls() { return kFilterControls; }
std::span<const std::string_view> PagingControls() { return kPagingControls; }

std::string FormCaption(std::string_view publisher_host) {
  if (publisher_host.empty()) return "Quillfold";
  return "Quillfold from " + std::string(publisher_host);
}

}  // namespace quillfold
