#pragma once

#include <windows.h>

#include "win32/gdi_object.h"

namespace win32 {

// The font in which a label's caption fits its width on one line: a smaller size of the
// window's font (see window::FittedPointSize); null where the window's font fits as it is.
GdiObject<HFONT> FittedLabelFont(HWND label, HFONT windowFont);

}  // namespace win32
