#ifndef QUILLFOLD_WINDOW_SHARED_TWIPS_H_
#define QUILLFOLD_WINDOW_SHARED_TWIPS_H_

namespace quillfold {

// The window's layout is drawn up in twips, 1/1440 inch, so it keeps its
// size on a screen of any density: at 96 dots per inch 15 twips make a pixel.
inline constexpr int kTwipsPerInch = 1440;

struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool operator==(const TwipsRect&) const = default;
};

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool operator==(const PixelRect&) const = default;
};

// `twips` in pixels at `dots_per_inch`, to the nearest pixel, halves away
// from zero as the system's own MulDiv rounds.
constexpr int TwipsToPixels(int twips, int dots_per_inch) {
  const long long product = static_cast<long long>(twips) * dots_per_inch;
  const long long half = kTwipsPerInch / 2;
  return static_cast<int>(product >= 0 ? (product + half) / kTwipsPerInch
                                       : -((-product + half) / kTwipsPerInch));
}

// A rectangle's edges are converted rather than its size, so controls that
// touch or line up in twips still do in pixels at any density.
constexpr PixelRect TwipsToPixels(const TwipsRect& rect, int dots_per_inch) {
  const int left = TwipsToPixels(rect.left, dots_per_inch);
  const int top = TwipsToPixels(rect.top, dots_per_inch);
  return {left, top, TwipsToPixels(rect.left + rect.width, dots_per_inch) - left,
          TwipsToPixels(rect.top + rect.height, dots_per_inch) - top};
}

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_SHARED_TWIPS_H_
