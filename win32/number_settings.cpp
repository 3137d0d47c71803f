#include "win32/number_settings.h"

#include "calc/decimal_separator.h"
#include "win32/text_conversion.h"

namespace win32 {

calc::NumberFormat NumberFormatOf(LPCWSTR locale) {
  // Windows allows the separator at most three characters.
  wchar_t separator[4] = {};
  wchar_t language[LOCALE_NAME_MAX_LENGTH] = {};
  if (GetLocaleInfoEx(locale, LOCALE_SDECIMAL, separator, 4) == 0) return {};
  GetLocaleInfoEx(locale, LOCALE_SNAME, language, LOCALE_NAME_MAX_LENGTH);
  return calc::FormatFromSettings(ToUtf8(separator), ToUtf8(language));
}

}  // namespace win32
