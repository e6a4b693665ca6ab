#include "window/shared/focus_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "window/shared/form_layout.h"

namespace quillfold {
namespace {

// Each window's own check compares its Tab order with this one.
TEST(FocusOrderTest, TheLogFirstThenTheStepsDownTheWindowEachControlOnceNoLabel) {
  const std::vector<std::string_view> order = FocusOrder();
  EXPECT_EQ(order, (std::vector<std::string_view>{"Text1", "Command1", "Dir1", "Check1", "Text2",
                                                  "Text3", "Check2", "Command3"}));
  for (const ControlLayout& control : FormControls()) {
    const auto places = std::ranges::count(order, control.name);
    EXPECT_EQ(places, control.kind == ControlKind::kLabel ? 0 : 1) << control.name;
    EXPECT_EQ(control.focus_order == kNoFocus, control.kind == ControlKind::kLabel) << control.name;
  }
}

}  // namespace
}  // namespace quillfold
