#pragma once

#include <windows.h>

#include "window/layout.h"

namespace win32 {

// Gives an edit box what Windows' own lacks: a limit in characters, typed or pasted; Ctrl+A
// selecting all; and, in a box of several lines, Tab moving on instead of typing and tabbing
// in selecting nothing. Throws calc::RuntimeError when Windows cannot extend the box.
void SubclassEditBox(HWND box, const window::ControlLayout& layout);

}  // namespace win32
