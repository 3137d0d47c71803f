#pragma once

#include <windows.h>

#include <optional>

#include "window/layout.h"

namespace win32 {

// The text and background colours of a control, or of the window itself.
struct ColourPair {
  COLORREF text;
  COLORREF background;
};

// Whether the user has turned High Contrast on.
bool HighContrastOn();

// A control is drawn on its layout colour with the system's text colour; in High Contrast,
// and where the layout gives no colour, in the system's own pair for its kind, so that the
// contrast the user chose holds on every control.
ColourPair ColoursOf(window::ControlKind kind, std::optional<window::Rgb> background,
                     bool highContrast);

ColourPair ColoursOf(const window::ControlLayout& control, bool highContrast);

// The window's own background, behind the controls and in the frame.
ColourPair WindowColours(bool highContrast);

}  // namespace win32
