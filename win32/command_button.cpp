#include "win32/command_button.h"

#include <optional>
#include <string>

#include "win32/window_text.h"

namespace win32 {

void DrawCommandButton(const DRAWITEMSTRUCT& item, HBRUSH face, COLORREF text) {
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  FillRect(dc, &rect, face);
  DrawEdge(dc, &rect, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

  RECT textRect = rect;
  if (pressed) OffsetRect(&textRect, 1, 1);
  const std::wstring caption = WindowText(item.hwndItem).value_or(std::wstring());
  const HGDIOBJ previousFont =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
  const int previousMode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, text);
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &textRect,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SetBkMode(dc, previousMode);
  SelectObject(dc, previousFont);
}

}  // namespace win32
