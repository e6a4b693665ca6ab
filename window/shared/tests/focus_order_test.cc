#include "window/shared/focus_order.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace quillfold {
namespace {

TEST(FocusOrderTest, TheLogFirstThenTheStepsDownTheWindow) {
  EXPECT_EQ(FocusOrder(), (std::vector<std::string_view>{"Text1", "Command1", "Dir1", "Check1",
                                                         "Text2", "Text3", "Check2", "Command3"}));
}

}  // namespace
}  // namespace quillfold
