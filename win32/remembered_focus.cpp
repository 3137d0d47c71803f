#include "win32/remembered_focus.h"

namespace win32 {

bool RememberedFocus::OnMessage(HWND window, UINT message, WPARAM wParam) {
  switch (message) {
    case WM_ACTIVATE:
      // A minimised window gives its controls the focus back only once it is restored.
      if (LOWORD(wParam) == WA_INACTIVE) {
        Remember(window);
      } else if (HIWORD(wParam) == 0) {
        Restore(window);
      }
      return true;
    case WM_SETFOCUS:
      // Windows focuses the window itself as it restores it while it is still active.
      Restore(window);
      return true;
    // Windows may take the focus away as it minimises or hides the window, before it
    // deactivates it: the control that has it is noted while the window is as it was.
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_MINIMIZE) Remember(window);
      return false;
    case WM_WINDOWPOSCHANGING:
      Remember(window);
      return false;
    default:
      return false;
  }
}

void RememberedFocus::Remember(HWND window) {
  HWND focus = GetFocus();
  if (focus != nullptr && IsChild(window, focus) != FALSE) control_ = focus;
}

void RememberedFocus::Restore(HWND window) {
  if (control_ == nullptr || IsChild(window, control_) == FALSE) {
    control_ = GetNextDlgTabItem(window, nullptr, FALSE);
  }
  SetFocus(control_);
}

}  // namespace win32
