#pragma once

#include <windows.h>

namespace win32 {

// Draws an owner-drawn command button as a raised button, sunken while pressed, with its
// face in the given brush and a focus mark inside the face while it has the focus.
void DrawCommandButton(const DRAWITEMSTRUCT& item, HBRUSH face, int dpi);

}  // namespace win32
