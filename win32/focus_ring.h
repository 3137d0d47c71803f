#pragma once

#include <windows.h>

namespace win32 {

// The mark of the control that has the focus: a solid ring a pixel outside its edge, drawn
// by the containers it stands in, in their text colour. It is seen on every kind of control
// whatever its own colours and edge, as it only ever stands on its container's background.
// Windows' keyboard cues decide when it shows: after a click, not until the keyboard is used.

// Redraws the place of the ring around a control, in every container it reaches.
void InvalidateFocusRing(HWND control, int dpi);

// Draws a container's part of the ring around the control, while the cues show focus.
void PaintFocusRing(HDC dc, HWND container, HWND control, HBRUSH brush, int dpi);

}  // namespace win32
