#pragma once

#include <concepts>

namespace window {

// Below this size a caption would be hard to read; a caption still too wide is cut.
inline constexpr int kSmallestCaptionPointSize = 8;

// The point size a label draws its caption in: the layout's where the caption fits the
// label's width on one line, else the largest smaller whole size at which it does, but never
// below kSmallestCaptionPointSize. captionWidth measures the caption, in the label's
// pixels, in the label's font at a point size; each binding measures with its toolkit, and
// calls this with its own measure, which no std::function has to wrap.
template <std::invocable<int> CaptionWidth>
int FittedPointSize(int layoutPointSize, int labelWidth, CaptionWidth captionWidth) {
  int size = layoutPointSize;
  while (size > kSmallestCaptionPointSize && captionWidth(size) > labelWidth) --size;
  return size;
}

}  // namespace window
