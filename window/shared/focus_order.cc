#include "window/shared/focus_order.h"

#include <algorithm>

#include "window/shared/form_layout.h"

namespace quillfold {

std::vector<std::string_view> FocusOrder() {
  std::vector<const ControlLayout*> taking_focus;
  for (const ControlLayout& control : FormControls()) {
    if (control.focus_order != kNoFocus) taking_focus.push_back(&control);
  }
  std::sort(taking_focus.begin(), taking_focus.end(),
            [](const auto* a, const auto* b) { return a->focus_order < b->focus_order; });
  std::vector<std::string_view> names;
  for (const ControlLayout* control : taking_focus) names.push_back(control->name);
  return names;
}

}  // namespace quillfold
