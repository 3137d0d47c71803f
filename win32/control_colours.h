#pragma once

#include <windows.h>

#include <optional>

#include "win32/brush_cache.h"
#include "window/layout.h"

namespace win32 {

// The text and background colours of a control, or of the window itself.
struct ColourPair {
  COLORREF text;
  COLORREF background;
};

// Whether the user has turned High Contrast on.
bool HighContrastOn();

// A control is drawn on its layout colour with the system's text colour where that reads
// on it, and a readable one where it does not; in High Contrast, and where the layout gives
// no colour, in the system's own pair for its kind, so that the contrast the user chose
// holds on every control.
ColourPair ColoursOf(window::ControlKind kind, std::optional<window::Rgb> background,
                     bool highContrast);

ColourPair ColoursOf(const window::ControlLayout& control, bool highContrast);

// The window's own background, behind the controls and in the frame.
ColourPair WindowColours(bool highContrast);

// The colours the window paints in as the user's setting has them now, and their brushes.
class Palette {
 public:
  Palette() : highContrast_(HighContrastOn()) {}

  // The colours of a control; of the window itself for none.
  ColourPair Of(const window::ControlLayout* control) const {
    return control != nullptr ? ColoursOf(*control, highContrast_) : WindowColours(highContrast_);
  }
  HBRUSH Brush(COLORREF colour) { return brushes_.Of(colour); }

  // The system's colours or High Contrast changed: the setting is read again, and the
  // brushes of the old colours are let go.
  void Renew() {
    highContrast_ = HighContrastOn();
    brushes_.Clear();
  }

 private:
  bool highContrast_;
  BrushCache brushes_;
};

}  // namespace win32
