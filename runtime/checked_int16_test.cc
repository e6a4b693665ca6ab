#include "runtime/checked_int16.h"

#include <gtest/gtest.h>

#include "runtime/error.h"

namespace quillfold {
namespace {

TEST(IncrementTest, CountsUpToTheLimit) {
  EXPECT_EQ(Increment(-32768, "c"), -32767);
  EXPECT_EQ(Increment(-1, "c"), 0);
  EXPECT_EQ(Increment(32766, "c"), 32767);
}

TEST(IncrementTest, PassingTheLimitIsAnOverflowNotAWrap) {
  try {
    Increment(32767, "page number");
    FAIL() << "no error raised";
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), 6);
    EXPECT_EQ(error.text(), "Overflow");
    EXPECT_EQ(error.detail(), "page number passes 32767");
  }
}

}  // namespace
}  // namespace quillfold
