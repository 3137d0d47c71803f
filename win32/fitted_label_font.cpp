#include "win32/fitted_label_font.h"

#include <optional>
#include <string>

#include "win32/window_text.h"
#include "window/fitted_caption.h"
#include "window/layout.h"

namespace win32 {
namespace {

// The window's font at another point size: its height in pixels scaled from the layout's.
GdiObject<HFONT> AtPointSize(LOGFONTW font, int layoutSize, int pointSize) {
  font.lfHeight = MulDiv(font.lfHeight, pointSize, layoutSize);
  font.lfWidth = 0;
  return GdiObject<HFONT>(CreateFontIndirectW(&font));
}

int CaptionWidth(HWND label, const std::wstring& caption, HFONT font) {
  HDC dc = GetDC(label);
  const HGDIOBJ previous = SelectObject(dc, font);
  SIZE extent{};
  GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
  SelectObject(dc, previous);
  ReleaseDC(label, dc);
  return extent.cx;
}

}  // namespace

GdiObject<HFONT> FittedLabelFont(HWND label, HFONT windowFont) {
  LOGFONTW logical{};
  if (windowFont == nullptr || GetObjectW(windowFont, sizeof logical, &logical) == 0) return {};
  const std::wstring caption = WindowText(label).value_or(std::wstring());
  RECT client{};
  GetClientRect(label, &client);
  const int layoutSize = window::MainWindow().font.pointSize;
  const int size = window::FittedPointSize(layoutSize, client.right, [&](int pointSize) {
    if (pointSize == layoutSize) return CaptionWidth(label, caption, windowFont);
    return CaptionWidth(label, caption, AtPointSize(logical, layoutSize, pointSize).get());
  });
  if (size == layoutSize) return {};
  return AtPointSize(logical, layoutSize, size);
}

}  // namespace win32
