#include "window/shared/form_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace quillfold {
namespace {

// Rectangles that only touch (Label5 and Text3, Text2 and Check2) are not
// overlaps; a box overlapping a box, or a button, is none of this rule's.
TEST(ControlTableTest, TheLabelsAndCheckBoxesOverlappingABoxAreTheDrawingsThree) {
  std::vector<std::string> overlaps;
  for (const ControlLayout& control : FormControls()) {
    for (std::string_view box : BoxesOverlapping(control.name)) {
      overlaps.push_back(std::string(control.name) + " over " + std::string(box));
    }
  }
  EXPECT_EQ(overlaps, (std::vector<std::string>{"Label1 over Dir1", "Check1 over Text2",
                                                "Check2 over Text3"}));
}

TEST(ControlTableTest, NamesAreUniqueAndFound) {
  std::set<std::string_view> names;
  for (const ControlLayout& control : FormControls()) {
    EXPECT_TRUE(names.insert(control.name).second) << control.name;
    EXPECT_EQ(&FormControl(control.name), &control);
  }
  EXPECT_EQ(names.size(), 11u);
}

TEST(ControlTableTest, OptionControlsStartHiddenAndTheRestVisible) {
  std::set<std::string_view> hidden;
  for (std::string_view name : FilterControls()) hidden.insert(name);
  for (std::string_view name : PagingControls()) hidden.insert(name);
  EXPECT_EQ(hidden, (std::set<std::string_view>{"Text2", "Label5", "Text3", "Label6"}));
  for (const ControlLayout& control : FormControls()) {
    EXPECT_EQ(control.visible_at_start, !hidden.contains(control.name)) << control.name;
  }
}

TEST(ControlTableTest, EveryControlStartsInsideTheForm) {
  // Check2 alone runs past the right edge, its caption cut off as drawn.
  for (const ControlLayout& control : FormControls()) {
    EXPECT_GE(control.place.left, 0) << control.name;
    EXPECT_GE(control.place.top, 0) << control.name;
    EXPECT_LE(control.place.top + control.place.height, kFormHeightTwips) << control.name;
    EXPECT_EQ(control.place.left + control.place.width > kFormWidthTwips, control.name == "Check2")
        << control.name;
  }
}

TEST(ControlTableTest, Captions) {
  EXPECT_EQ(FormControl("Check1").text, kFilterOffCaption);
  EXPECT_EQ(FormControl("Text3").text, "95");
  EXPECT_EQ(FormCaption(""), "Quillfold");
  EXPECT_EQ(FormCaption("example.org"), "Quillfold from example.org");
}

}  // namespace
}  // namespace quillfold
