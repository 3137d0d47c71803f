#pragma once

#include <windows.h>

namespace win32 {

// Draws an owner-drawn command button as a raised button, sunken while pressed, with its
// face in the given brush and its caption in the given colour. Its focus mark is the ring
// the window draws around it (see focus_ring.h), clear of the face's colour.
void DrawCommandButton(const DRAWITEMSTRUCT& item, HBRUSH face, COLORREF text);

}  // namespace win32
