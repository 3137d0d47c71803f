#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "win32/gdi_object.h"
#include "window/layout.h"

namespace win32 {

constexpr COLORREF ToColorRef(window::Rgb rgb) { return RGB(rgb.red, rgb.green, rgb.blue); }

// The solid brushes the window paints with, each made at the first paint that needs it and
// kept for every later one.
class BrushCache {
 public:
  HBRUSH Of(COLORREF colour) {
    for (const auto& [made, brush] : brushes_) {
      if (made == colour) return brush.get();
    }
    return brushes_.emplace_back(colour, CreateSolidBrush(colour)).second.get();
  }

  // The system's colours changed: the brushes of the old ones are let go.
  void Clear() { brushes_.clear(); }

 private:
  std::vector<std::pair<COLORREF, GdiObject<HBRUSH>>> brushes_;
};

}  // namespace win32
