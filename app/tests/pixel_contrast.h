#pragma once

// What the tests read from the window's pixels: how its texts and focus marks stand out,
// measured as the WCAG measures contrast. Shared by the tests that draw the window in their
// own process and those that take the running program's pixels from its X server.

#include <QColor>
#include <QImage>
#include <QMargins>
#include <QRect>
#include <QStyle>

#include "window/layout.h"

namespace app_test {

double Contrast(const QColor& first, const QColor& second);

struct TextReading {
  double ratio;       // the text's contrast with its background
  QColor background;  // the colour most of the area has
};

// How a text reads in an area of it: the colour farthest from the area's commonest one,
// against that one.
TextReading ReadText(const QImage& area);

// What of a control holds no text: a box's frame and scroll bar, a button's bevel and the
// default button's outline, an option's circle.
QMargins NoTextEdge(const window::ControlLayout& control, const QStyle& style);

// The control's rectangle in the window, its container's place added.
QRect InWindow(const window::ControlLayout& control);

// How many pixels of a focus mark stand out from every colour beside them by 3:1: of the
// pixels that focusing changed, those that differ so from each unchanged pixel around them.
int SeenMarkPixels(const QImage& before, const QImage& after);

}  // namespace app_test
