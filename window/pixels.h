#pragma once

#include "window/layout.h"

namespace window {

// The resolution at which the layout's twips are whole pixels, 15 to one.
constexpr int kStandardDpi = 96;

struct PixelRect {
  int left;
  int top;
  int width;
  int height;
};

// Layout twips to pixels at the given resolution, to the nearest pixel.
constexpr int TwipsToPixels(int twips, int dpi = kStandardDpi) {
  constexpr int kTwipsPerInch = 1440;
  return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch;
}

constexpr PixelRect ControlPixels(const ControlLayout& control, int dpi = kStandardDpi) {
  return {TwipsToPixels(control.left, dpi), TwipsToPixels(control.top, dpi),
          TwipsToPixels(control.width, dpi), TwipsToPixels(control.height, dpi)};
}

}  // namespace window
