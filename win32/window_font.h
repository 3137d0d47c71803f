#pragma once

#include <windows.h>

#include "win32/gdi_object.h"
#include "window/layout.h"

namespace win32 {

// The window's font as the layout names it, at the window's resolution. It asks for a
// roman family, so that where the named one is missing its substitute is a serif too.
GdiObject<HFONT> WindowFont(const window::FontLayout& layout, int dpi);

}  // namespace win32
