#include "window/shared/options_view.h"

#include <gtest/gtest.h>

#include "window/shared/form_layout.h"

namespace quillfold {
namespace {

TEST(OptionsViewTest, ATickShowsAClearHidesAndGreyChangesNothing) {
  const OptionsView start = InitialOptionsView();
  EXPECT_EQ(start, (OptionsView{false, false, kFilterOffCaption}));
  const OptionsView both{true, true, kFilterOnCaption};
  const struct {
    const char* what;
    OptionsView before;
    bool filter;  // Check1 changed, else Check2.
    CheckState state;
    OptionsView after;
  } kCases[] = {
      {"Check1 ticked", start, true, CheckState::kTicked, {true, false, kFilterOnCaption}},
      {"Check1 cleared", both, true, CheckState::kClear, {false, true, kFilterOffCaption}},
      {"Check1 grey", both, true, CheckState::kGrey, both},
      {"Check1 grey at start", start, true, CheckState::kGrey, start},
      {"Check2 ticked", start, false, CheckState::kTicked, {false, true, kFilterOffCaption}},
      {"Check2 cleared", both, false, CheckState::kClear, {true, false, kFilterOnCaption}},
      {"Check2 grey", both, false, CheckState::kGrey, both},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(
        c.filter ? AfterFilterChange(c.before, c.state) : AfterPagingChange(c.before, c.state),
        c.after);
  }
}

TEST(OptionsViewTest, OnlyATickedBoxTurnsItsOptionOn) {
  EXPECT_FALSE(IsOn(CheckState::kClear));
  EXPECT_TRUE(IsOn(CheckState::kTicked));
  EXPECT_FALSE(IsOn(CheckState::kGrey));
}

}  // namespace
}  // namespace quillfold
