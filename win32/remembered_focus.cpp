#include "win32/remembered_focus.h"

namespace win32 {

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
