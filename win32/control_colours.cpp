#include "win32/control_colours.h"

#include "window/contrast.h"

namespace win32 {
namespace {

constexpr window::Rgb ToRgb(COLORREF colour) {
  return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

ColourPair SystemPair(int text, int background) {
  return {GetSysColor(text), GetSysColor(background)};
}

// Command buttons have a face of their own; everything else stands on the window colour.
ColourPair SystemPairOf(window::ControlKind kind) {
  return kind == window::ControlKind::kCommandButton ? SystemPair(COLOR_BTNTEXT, COLOR_BTNFACE)
                                                     : SystemPair(COLOR_WINDOWTEXT, COLOR_WINDOW);
}

}  // namespace

bool HighContrastOn() {
  HIGHCONTRASTW setting{};
  setting.cbSize = sizeof setting;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) != FALSE &&
         (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

ColourPair ColoursOf(window::ControlKind kind, std::optional<window::Rgb> background,
                     bool highContrast) {
  const ColourPair system = SystemPairOf(kind);
  if (highContrast || !background) return system;
  // The system's text colour where it reads on the layout's background; where the user's
  // scheme makes it unreadable there (a dark scheme's white text on a pale colour), black or
  // white, whichever reads better.
  return {ToColorRef(window::LegibleOn(*background, ToRgb(system.text), window::kReadableText)),
          ToColorRef(*background)};
}

ColourPair ColoursOf(const window::ControlLayout& control, bool highContrast) {
  return ColoursOf(control.kind, control.background, highContrast);
}

ColourPair WindowColours(bool highContrast) {
  return ColoursOf(window::ControlKind::kFrame, window::MainWindow().background, highContrast);
}

}  // namespace win32
