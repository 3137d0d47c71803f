#pragma once

#include <string>
#include <string_view>

namespace calc {

// The user's number-format settings that the result text depends on.
struct NumberFormat {
  std::string decimalSeparator = ".";  // UTF-8, any length
};

// The value of the number at the start of the text. Blanks, tabs and line feeds are
// ignored wherever they stand; only "." is a decimal point, whatever the settings.
// Throws RuntimeError 6 "Overflow" when the number lies beyond the double range.
double ParseLeadingNumber(std::string_view text);

// The value rounded to hundredths, halves away from zero, as a person reading its
// 15 significant digits would round it.
double RoundToHundredths(double value);

// The general text form: 15 significant digits, positional from 0.0001 up to 1E+15,
// scientific otherwise, no trailing zeros, the user's decimal separator.
std::string NumberToText(double value, const NumberFormat& format);

}  // namespace calc
