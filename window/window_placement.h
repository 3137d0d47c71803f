#pragma once

#include "window/pixels.h"

namespace window {

struct PixelSize {
  int width;
  int height;
};

struct PixelPoint {
  int x;
  int y;

  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// Where a window's frame goes in the work area of its screen (the screen less its
// taskbars): centred, and so wholly inside, where it fits; in a direction where it does
// not, from the area's top or left edge, so that the title bar and the close button stay
// on the screen and the rest runs off the bottom or right.
PixelPoint CentredInWorkArea(PixelSize frame, const PixelRect& workArea);

}  // namespace window
