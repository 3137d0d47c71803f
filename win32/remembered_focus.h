#pragma once

#include <windows.h>

namespace win32 {

// The control that had the focus when the window last lost it, which gets it back when the
// window is active again; at the start, the first control in tab order.
class RememberedFocus {
 public:
  // Notes the control that has the focus now, if it is one of the window's.
  void Remember(HWND window);
  void Restore(HWND window);

 private:
  HWND control_ = nullptr;
};

}  // namespace win32
