#include "window/shared/twips.h"

#include <gtest/gtest.h>

namespace quillfold {
namespace {

TEST(WindowTwipsTest, TwipsToPixelsAtEachDensity) {
  struct Case {
    int twips;
    int dots_per_inch;
    int pixels;
  };
  const Case cases[] = {
      {0, 96, 0},
      {15, 96, 1},
      {7, 96, 0},
      {8, 96, 1},  // 7.5 twips is half.
      {1440, 96, 96},
      {12030, 96, 802},
      {8730, 96, 582},
      {1440, 120, 120},
      {375, 120, 31},    // 31.25
      {7815, 144, 782},  // 781.5 rounds away from zero.
      {1440, 144, 144},
      {12030, 192, 1604},
      {-15, 96, -1},
      {-8, 96, -1},
      // Far past the size of a screen, the product still fits.
      {20'000'000, 480, 6'666'667},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TwipsToPixels(c.twips, c.dots_per_inch), c.pixels)
        << c.twips << " twips at " << c.dots_per_inch << " dpi";
  }
}

TEST(WindowTwipsTest, RectanglesConvertTheirEdges) {
  struct Case {
    TwipsRect twips;
    int dots_per_inch;
    PixelRect pixels;
  };
  const Case cases[] = {
      {{360, 600, 11295, 1980}, 96, {24, 40, 753, 132}},
      {{120, 8160, 2775, 375}, 96, {8, 544, 185, 25}},
      {{1200, 4560, 1455, 375}, 144, {120, 456, 146, 38}},
      // At 144 dpi the left edge 109.5 rounds to 110 and the right edge is
      // exactly 219: 109 wide, where the width alone would give 110.
      {{1095, 0, 1095, 375}, 144, {110, 0, 109, 38}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TwipsToPixels(c.twips, c.dots_per_inch), c.pixels)
        << c.twips.left << "," << c.twips.top << " at " << c.dots_per_inch;
  }
}

TEST(WindowTwipsTest, ControlsThatTouchInTwipsTouchInPixels) {
  // Two boxes side by side in twips must not overlap or part by a pixel.
  for (int dpi : {96, 120, 144, 168, 192, 240, 288}) {
    const PixelRect a = TwipsToPixels(TwipsRect{1000, 0, 333, 10}, dpi);
    const PixelRect b = TwipsToPixels(TwipsRect{1333, 0, 333, 10}, dpi);
    EXPECT_EQ(a.left + a.width, b.left) << dpi;
  }
}

}  // namespace
}  // namespace quillfold
