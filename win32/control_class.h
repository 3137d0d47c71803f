#pragma once

#include <windows.h>

#include "window/layout.h"

namespace win32 {

// The class of the window and of its frame.
inline constexpr wchar_t kWindowClass[] = L"VeltaroForm";
// Tab and the arrow keys move through the controls inside the window and the frame.
inline constexpr DWORD kContainerExStyle = WS_EX_CONTROLPARENT;

// The Windows class and styles that make a control of the layout.
struct ControlClass {
  const wchar_t* name;
  DWORD style;
  DWORD exStyle;
};

// `previous` is the control before it in tab order; none for the first.
ControlClass ClassOf(const window::ControlLayout& control, const window::ControlLayout* previous);

}  // namespace win32
