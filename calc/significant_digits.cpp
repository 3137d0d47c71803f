#include "calc/significant_digits.h"

// GCC 14 at -O3 believes fmt 10.1's shortest-form path, which a set precision never takes,
// writes before its buffer: a warning about fmt's own code, which the pragma keeps to fmt's
// header.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
#include <fmt/format.h>
#pragma GCC diagnostic pop

#include <charconv>
#include <cmath>
#include <cstdint>

namespace calc::detail {
namespace {

// Takes the digits of [begin, end), without trailing zeros.
void TakeDigits(SignificantDigits& number, const char* begin, const char* end) {
  for (const char* c = begin; c != end; ++c) number.digits[number.count++] = *c;
  while (number.count > 1 && number.digits[number.count - 1] == '0') --number.count;
}

constexpr double kExactWholesBelow = 0x1p53;

// The digits of integer / 10^places, when there are at most 15 of them. Trailing zeros
// are divided off first, so that a round number writes only its leading digits.
bool TakeInteger(SignificantDigits& number, std::int64_t integer, int places) {
  int zeros = 0;
  if (integer != 0) {
    // Four zeros at a time first: a whole such as 1E+15 has fifteen of them.
    for (; integer % 10000 == 0; integer /= 10000) zeros += 4;
    for (; integer % 10 == 0; integer /= 10) ++zeros;
  }
  std::array<char, 20> text{};
  const char* const end = std::to_chars(text.data(), text.data() + text.size(), integer).ptr;
  const auto count = static_cast<int>(end - text.data());
  if (count > SignificantDigits::kMaxDigits) return false;
  TakeDigits(number, text.data(), end);
  number.exponent = count + zeros - 1 - places;
  return true;
}

// Percentages are mostly whole numbers or whole hundredths: their digits come cheaply from an
// integer. Any decimal of at most 15 digits that reads back as a normal double is that
// double's 15-digit rounding, since the double's spacing is far below half a 15th digit.
bool TakeWholeOrHundredths(SignificantDigits& number, double magnitude) {
  if (magnitude < kExactWholesBelow && magnitude == std::trunc(magnitude)) {
    return magnitude >= 1 && TakeInteger(number, static_cast<std::int64_t>(magnitude), 0);
  }
  const double hundredths = std::round(magnitude * 100);
  return hundredths >= 1 && hundredths < kExactWholesBelow && hundredths / 100 == magnitude &&
         TakeInteger(number, static_cast<std::int64_t>(hundredths), 2);
}

// The exact binary value rounded to 15 significant digits, by fmt's digit generator itself:
// its formatting functions around it add text to be parsed back, and a branch for
// hexadecimal output that brings the C library's printf into the browser's program.
// fmt 9 and 10 declare it alike; a fmt that changes it fails to build here, not at run time.
void TakeFifteenDigits(SignificantDigits& number, double magnitude) {
  fmt::basic_memory_buffer<char, SignificantDigits::kMaxDigits + 1> digits;
  fmt::detail::float_specs form{};
  form.format = fmt::detail::float_format::exp;
  // The value is digits × 10^lastDigit, trailing zeros removed.
  const int lastDigit =
      fmt::detail::format_float(magnitude, SignificantDigits::kMaxDigits, form, digits);
  TakeDigits(number, digits.data(), digits.data() + digits.size());
  number.exponent = lastDigit + static_cast<int>(digits.size()) - 1;
}

}  // namespace

SignificantDigits ToSignificantDigits(double value) {
  SignificantDigits number;
  number.negative = std::signbit(value);
  const double magnitude = std::fabs(value);
  if (TakeWholeOrHundredths(number, magnitude)) return number;

  TakeFifteenDigits(number, magnitude);
  return number;
}

}  // namespace calc::detail
