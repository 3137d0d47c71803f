#pragma once

#include "window/layout.h"

namespace window {

// How far apart two colours are for a reader, as WCAG measures it: from 1 (the same) to
// 21 (black on white). Text wants 4.5, a focus mark or a control's edge 3.
double ContrastRatio(Rgb first, Rgb second);

// The preferred colour where it reads on the background at least as well as asked;
// otherwise black or white, whichever reads better there.
Rgb LegibleOn(Rgb background, Rgb preferred, double minimum);

// The minimum ratios that WCAG 2.2 asks of normal text and of a focus mark.
inline constexpr double kReadableText = 4.5;
inline constexpr double kVisibleMark = 3.0;

}  // namespace window
