#pragma once

#include <windows.h>

namespace win32 {

// Draws an owner-drawn command button as a raised button, sunken while pressed, with its
// face in the given brush, its caption in the given colour and, while it has the focus, a
// focus mark inside the face unless Windows' keyboard cues hide it.
void DrawCommandButton(const DRAWITEMSTRUCT& item, HBRUSH face, COLORREF text, int dpi);

}  // namespace win32
