#pragma once

#include <functional>

namespace window {

// Below this size a caption would be hard to read; a caption still too wide is cut.
inline constexpr int kSmallestCaptionPointSize = 8;

// The point size a label draws its caption in: the layout's where the caption fits the
// label's width on one line, else the largest smaller whole size at which it does, but never
// below kSmallestCaptionPointSize. captionWidth measures the caption, in the label's
// pixels, in the label's font at a point size; each binding measures with its toolkit.
int FittedPointSize(int layoutPointSize, int labelWidth,
                    const std::function<int(int pointSize)>& captionWidth);

}  // namespace window
