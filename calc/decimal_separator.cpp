#include "calc/decimal_separator.h"

#include <algorithm>
#include <array>
#include <string>

namespace calc {
namespace {

// What a result is written with (digits, signs, "E", the closing "%") and what reading a
// number takes as part of it (the other exponent letters, and the blanks it drops).
constexpr std::string_view kNumberAlphabet = "0123456789+-EeDd% \t\n\r";

// U+066B, written only between Arabic-Indic digits.
constexpr std::string_view kArabicDecimalSeparator = "\xD9\xAB";

// The languages that write Latin digits with a decimal comma where their own digits take
// the Arabic decimal separator (Pashto, and Uzbek in Arabic script); the others, Arabic and
// Persian among them, with a point.
constexpr std::array<std::string_view, 2> kLatinCommaLanguages = {"ps", "uz"};

// "ps" of "ps_AF", "ps-AF" or "PS"; in ASCII, whatever the process's locale.
std::string PrimaryLanguage(std::string_view language) {
  std::string primary(language.substr(0, language.find_first_of("-_.@")));
  for (char& c : primary) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return primary;
}

bool ReadsAsPartOfANumber(std::string_view separator) {
  return separator.empty() || separator.find_first_of(kNumberAlphabet) != std::string_view::npos;
}

std::string LatinSeparatorOf(std::string_view language) {
  const std::string primary = PrimaryLanguage(language);
  const bool comma = std::find(kLatinCommaLanguages.begin(), kLatinCommaLanguages.end(), primary) !=
                     kLatinCommaLanguages.end();
  return comma ? "," : ".";
}

}  // namespace

NumberFormat FormatFromSettings(std::string_view decimalSeparator, std::string_view language) {
  if (decimalSeparator == kArabicDecimalSeparator) return {LatinSeparatorOf(language)};
  if (ReadsAsPartOfANumber(decimalSeparator)) return {};
  return {std::string(decimalSeparator)};
}

}  // namespace calc
