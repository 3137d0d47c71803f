#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "win32/gdi_object.h"
#include "window/layout.h"

namespace win32 {

constexpr COLORREF ToColorRef(window::Rgb rgb) { return RGB(rgb.red, rgb.green, rgb.blue); }

// The solid brushes of the layout's colours, each made at the first paint that needs it and
// kept for every later one.
class BrushCache {
 public:
  HBRUSH Of(window::Rgb rgb) {
    const COLORREF colour = ToColorRef(rgb);
    for (const auto& [made, brush] : brushes_) {
      if (made == colour) return brush.get();
    }
    return brushes_.emplace_back(colour, CreateSolidBrush(colour)).second.get();
  }

 private:
  std::vector<std::pair<COLORREF, GdiObject<HBRUSH>>> brushes_;
};

}  // namespace win32
