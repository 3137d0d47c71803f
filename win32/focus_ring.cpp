#include "win32/focus_ring.h"

#include <array>

#include "window/pixels.h"

namespace win32 {
namespace {

// A pixel clear of the control's edge, then two pixels of ring, at 96 dpi.
constexpr int kGapTwips = 15;
constexpr int kWidthTwips = 30;

// The ring's four sides in the container's client area: top, bottom, left, right.
std::array<RECT, 4> RingSides(HWND control, HWND container, int dpi) {
  RECT inner{};
  GetWindowRect(control, &inner);
  MapWindowPoints(HWND_DESKTOP, container, reinterpret_cast<POINT*>(&inner), 2);
  const int gap = window::TwipsToPixels(kGapTwips, dpi);
  const int width = window::TwipsToPixels(kWidthTwips, dpi);
  InflateRect(&inner, gap, gap);
  RECT outer = inner;
  InflateRect(&outer, width, width);
  return {{{outer.left, outer.top, outer.right, inner.top},
           {outer.left, inner.bottom, outer.right, outer.bottom},
           {outer.left, inner.top, inner.left, inner.bottom},
           {inner.right, inner.top, outer.right, inner.bottom}}};
}

bool FocusShown(HWND window) {
  const auto state = SendMessageW(GetAncestor(window, GA_ROOT), WM_QUERYUISTATE, 0, 0);
  return (state & UISF_HIDEFOCUS) == 0;
}

}  // namespace

void InvalidateFocusRing(HWND control, int dpi) {
  HWND root = GetAncestor(control, GA_ROOT);
  for (HWND container = GetParent(control); container != nullptr;
       container = container == root ? nullptr : GetParent(container)) {
    for (const RECT& side : RingSides(control, container, dpi)) {
      InvalidateRect(container, &side, TRUE);
    }
  }
}

void PaintFocusRing(HDC dc, HWND container, HWND control, HBRUSH brush, int dpi) {
  if (!FocusShown(container)) return;
  for (const RECT& side : RingSides(control, container, dpi)) FillRect(dc, &side, brush);
}

}  // namespace win32
