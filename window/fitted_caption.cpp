#include "window/fitted_caption.h"

namespace window {

int FittedPointSize(int layoutPointSize, int labelWidth,
                    const std::function<int(int pointSize)>& captionWidth) {
  int size = layoutPointSize;
  while (size > kSmallestCaptionPointSize && captionWidth(size) > labelWidth) --size;
  return size;
}

}  // namespace window
