#include "window/window_placement.h"

namespace window {
namespace {

int CentredStart(int areaStart, int areaLength, int length) {
  if (length >= areaLength) return areaStart;
  return areaStart + (areaLength - length) / 2;
}

}  // namespace

PixelPoint CentredInWorkArea(PixelSize frame, const PixelRect& workArea) {
  return {CentredStart(workArea.left, workArea.width, frame.width),
          CentredStart(workArea.top, workArea.height, frame.height)};
}

}  // namespace window
