#pragma once

#include <windows.h>

namespace win32 {

// The control that had the focus when the window last lost it, which gets it back when the
// window is active again; at the start, the first control in tab order.
class RememberedFocus {
 public:
  // Follows the window's messages that lose or give back the focus; true where the message
  // needs nothing more.
  bool OnMessage(HWND window, UINT message, WPARAM wParam);

 private:
  // Notes the control that has the focus now, if it is one of the window's.
  void Remember(HWND window);
  void Restore(HWND window);

  HWND control_ = nullptr;
};

}  // namespace win32
