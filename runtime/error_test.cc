#include "runtime/error.h"

#include <gtest/gtest.h>

namespace quillfold {
namespace {

TEST(ErrorTest, CarriesTheTextOfItsNumber) {
  EXPECT_EQ(Error(kOverflow, "x").text(), "Overflow");
  EXPECT_EQ(Error(kTypeMismatch, "x").text(), "Type mismatch");
  EXPECT_EQ(Error(kCannotStartBrowser, "x").text(), "Can't start the browser");
  EXPECT_STREQ(Error(kTypeMismatch, "x").what(), "Type mismatch");
}

}  // namespace
}  // namespace quillfold
