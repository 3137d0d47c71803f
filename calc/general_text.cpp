#include <string>

#include "calc/number_text.h"
#include "calc/significant_digits.h"

namespace calc {
namespace {

// Plain positional form covers magnitudes from 0.0001 up to, not including, 1E+15.
constexpr int kLowestPositionalExponent = -4;
constexpr int kFirstScientificExponent = 15;

void AppendPositional(std::string& text, const detail::SignificantDigits& number,
                      std::string_view separator) {
  const std::string_view digits = number.Digits();
  if (number.exponent < 0) {
    text += '0';
    text += separator;
    text.append(static_cast<std::size_t>(-number.exponent - 1), '0');
    text += digits;
    return;
  }
  const auto wholeDigits = static_cast<std::size_t>(number.exponent) + 1;
  if (digits.size() <= wholeDigits) {
    text += digits;
    text.append(wholeDigits - digits.size(), '0');
    return;
  }
  text += digits.substr(0, wholeDigits);
  text += separator;
  text += digits.substr(wholeDigits);
}

void AppendScientific(std::string& text, const detail::SignificantDigits& number,
                      std::string_view separator) {
  const std::string_view digits = number.Digits();
  text += digits.front();
  if (digits.size() > 1) {
    text += separator;
    text += digits.substr(1);
  }
  text += number.exponent < 0 ? "E-" : "E+";
  const int exponent = number.exponent < 0 ? -number.exponent : number.exponent;
  if (exponent < 10) text += '0';
  text += std::to_string(exponent);
}

}  // namespace

std::string NumberToText(double value, const NumberFormat& format) {
  if (value == 0) return "0";
  const detail::SignificantDigits number = detail::ToSignificantDigits(value);
  std::string text;
  if (number.negative) text += '-';
  if (number.exponent >= kLowestPositionalExponent && number.exponent < kFirstScientificExponent) {
    AppendPositional(text, number, format.decimalSeparator);
  } else {
    AppendScientific(text, number, format.decimalSeparator);
  }
  return text;
}

}  // namespace calc
