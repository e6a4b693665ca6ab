#include "runtime/on_failure.h"

#include <gtest/gtest.h>

#include "runtime/error.h"

namespace quillfold {
namespace {

// Leaves a guarded scope, by an error or not; true when the action ran.
bool ActionRan(bool raise) {
  bool ran = false;
  try {
    const OnFailure guard([&ran] { ran = true; });
    if (raise) throw Error(kDiskFull, "page");
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), kDiskFull);  // The error itself goes on.
  }
  return ran;
}

// A guard made while another error unwinds, in a destructor, counts only an
// error of its own scope.
struct GuardsWhileUnwinding {
  bool raise;
  bool& ran;
  ~GuardsWhileUnwinding() { ran = ActionRan(raise); }
};

TEST(OnFailureTest, RunsOnlyWhenItsOwnScopeFails) {
  EXPECT_TRUE(ActionRan(true));
  EXPECT_FALSE(ActionRan(false));
  for (const bool raise : {true, false}) {
    SCOPED_TRACE(raise);
    bool ran = !raise;
    try {
      const GuardsWhileUnwinding inner{raise, ran};
      throw Error(kOverflow, "outer");
    } catch (const Error&) {
    }
    EXPECT_EQ(ran, raise);
  }
}

}  // namespace
}  // namespace quillfold
