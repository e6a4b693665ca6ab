#ifndef QUILLFOLD_WINDOW_TWIPS_H_
#define QUILLFOLD_WINDOW_TWIPS_H_

#include <QRect>
#include <QSize>

namespace quillfold {

// The window's layout is drawn up in twips, 1/1440 inch: 15 of them make a
// pixel at 96 dots per inch. Qt's device-independent pixels are those
// 96-dpi pixels, so on a high-density screen Qt scales the result itself.
inline constexpr int kTwipsPerPixel = 15;

constexpr QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
               height / kTwipsPerPixel);
}

constexpr QSize TwipsSize(int width, int height) {
  return QSize(width / kTwipsPerPixel, height / kTwipsPerPixel);
}

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_TWIPS_H_
