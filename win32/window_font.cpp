#include "win32/window_font.h"

#include <algorithm>
#include <string>

#include "win32/text_conversion.h"

namespace win32 {

GdiObject<HFONT> WindowFont(const window::FontLayout& layout, int dpi) {
  constexpr int kPointsPerInch = 72;
  LOGFONTW font{};
  font.lfHeight = -MulDiv(layout.pointSize, dpi, kPointsPerInch);
  font.lfWeight = layout.weight;
  font.lfItalic = layout.italic ? TRUE : FALSE;
  font.lfUnderline = layout.underline ? TRUE : FALSE;
  font.lfCharSet = static_cast<BYTE>(layout.charset);
  font.lfPitchAndFamily = VARIABLE_PITCH | FF_ROMAN;
  const std::wstring family = ToUtf16(layout.family);
  std::copy_n(family.begin(), std::min<std::size_t>(family.size(), LF_FACESIZE - 1),
              font.lfFaceName);
  return GdiObject<HFONT>(CreateFontIndirectW(&font));
}

}  // namespace win32
