// How the window and its controls are painted: each in the colours the palette gives it,
// the buttons drawn by the window, and the ring around the focused control.
#include "win32/command_button.h"
#include "win32/focus_ring.h"
#include "win32/form_window.h"

namespace win32 {

using window::ControlLayout;

// Every control in the colours it is given; a locked box keeps the window colour, as every
// box does, where Windows would draw it grey.
LRESULT FormWindow::OnControlColour(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  const ControlLayout* control = LayoutOf(reinterpret_cast<HWND>(lParam));
  if (control == nullptr) return DefWindowProcW(handle, message, wParam, lParam);
  const ColourPair colours = palette_.Of(control);
  const auto dc = reinterpret_cast<HDC>(wParam);
  SetTextColor(dc, colours.text);
  SetBkColor(dc, colours.background);
  return reinterpret_cast<LRESULT>(palette_.Brush(colours.background));
}

void FormWindow::OnEraseBackground(HWND container, HDC dc) {
  RECT client{};
  GetClientRect(container, &client);
  FillRect(dc, &client, palette_.Brush(palette_.Of(LayoutOf(container)).background));
}

// The ring around the focused control, where it stands in this container.
void FormWindow::OnPaint(HWND container) {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(container, &paint);
  HWND focus = GetFocus();
  if (LayoutOf(focus) != nullptr) {
    PaintFocusRing(dc, container, focus, palette_.Brush(palette_.Of(LayoutOf(container)).text),
                   dpi_);
  }
  EndPaint(container, &paint);
}

void FormWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const ControlLayout* button = LayoutOf(item.hwndItem);
  if (button == nullptr) return;
  const ColourPair colours = palette_.Of(button);
  DrawCommandButton(item, palette_.Brush(colours.background), colours.text);
}

// A change of the system's colours, or of High Contrast, repaints everything in the new ones.
void FormWindow::OnColoursChanged(bool systemColours) {
  palette_.Renew();
  // Windows' controls learn of new system colours only from their window.
  if (systemColours) {
    for (const Control& control : controls_) SendMessageW(control.handle, WM_SYSCOLORCHANGE, 0, 0);
  }
  RedrawWindow(Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

}  // namespace win32
