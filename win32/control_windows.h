#pragma once

#include <windows.h>

#include <cstddef>

#include "window/layout.h"

namespace win32 {

// The class of the window and of its frame.
inline constexpr wchar_t kWindowClass[] = L"VeltaroForm";
// Registers the class of the window and its frame, with the program's icon, once.
void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure);

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

// Each control's id is its place in tab order from this one on. Enter and Esc send IDOK
// and IDCANCEL, which no control has: neither button is the default or the cancel button.
inline constexpr int kFirstControlId = 100;

constexpr int ControlId(std::size_t tabPosition) {
  return kFirstControlId + static_cast<int>(tabPosition);
}

// Makes the control in its container, in the given font and with its text at start;
// `creation` reaches the procedure of a frame, which is of the window's class. Throws
// calc::RuntimeError when Windows cannot make it.
HWND CreateControl(const window::ControlLayout& control, const window::ControlLayout* previous,
                   std::size_t tabPosition, HWND container, HFONT font, void* creation);

}  // namespace win32
