#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "calc/nearest_double.h"
#include "calc/number_text.h"
#include "calc/significant_digits.h"

namespace calc {
namespace {

// Below this magnitude the hundredths lie within the 15 digits a person reads, and halves
// are decided on those digits, not on binary noise (100 × 2.01 / 200 gives 1.01).
constexpr double kReadDigitsBelow = 1e13;
constexpr double kWholeFrom = 0x1p52;
// Whole numbers up to here are exact doubles.
constexpr std::int64_t kExactWholesUpTo = std::int64_t{1} << 53;

constexpr auto kPowersOfTen = [] {
  std::array<std::int64_t, 16> powers{};
  std::int64_t power = 1;
  for (std::int64_t& entry : powers) {
    entry = power;
    power *= 10;
  }
  return powers;
}();

std::int64_t DivideRoundingHalfUp(std::int64_t dividend, std::int64_t divisor) {
  const std::int64_t quotient = dividend / divisor;
  return 2 * (dividend % divisor) >= divisor ? quotient + 1 : quotient;
}

std::int64_t HundredthsOfReadDigits(double magnitude) {
  const detail::SignificantDigits read = detail::ToSignificantDigits(magnitude);
  std::int64_t digits = 0;
  for (char c : read.Digits()) digits = digits * 10 + (c - '0');
  // magnitude = digits × 10^(exponent - count + 1), so hundredths = digits × 10^shift
  const int shift = read.exponent - read.count + 3;
  if (shift >= 0) return digits * kPowersOfTen[shift];
  if (-shift >= static_cast<int>(kPowersOfTen.size())) return 0;
  return DivideRoundingHalfUp(digits, kPowersOfTen[-shift]);
}

// From 1E+13 up a double has at most nine binary places, so every step here is exact.
std::int64_t HundredthsOfExactValue(double magnitude) {
  const double whole = std::trunc(magnitude);
  const double scaledFraction = (magnitude - whole) * 100;
  const double floor = std::floor(scaledFraction);
  const auto roundedFraction = static_cast<std::int64_t>(floor) + (scaledFraction - floor >= 0.5);
  return static_cast<std::int64_t>(whole) * 100 + roundedFraction;
}

// The double nearest to hundredths / 100.
double FromHundredths(std::int64_t hundredths) {
  // Both operands exact, so the division rounds correctly.
  if (hundredths <= kExactWholesUpTo) return static_cast<double>(hundredths) / 100;
  return detail::NearestDouble(std::to_string(hundredths) + "e-2");
}

std::int64_t Hundredths(double magnitude) {
  if (magnitude >= kReadDigitsBelow) return HundredthsOfExactValue(magnitude);
  const double scaled = magnitude * 100;
  const double floor = std::floor(scaled);
  const double fraction = scaled - floor;
  // Away from a half, neither binary noise nor the 15th digit can change the outcome
  // (both lie far inside this margin); near one, the digits a person reads decide.
  if (std::fabs(fraction - 0.5) > scaled * 1e-13) {
    return static_cast<std::int64_t>(floor) + (fraction > 0.5);
  }
  return HundredthsOfReadDigits(magnitude);
}

}  // namespace

double RoundToHundredths(double value) {
  const double magnitude = std::fabs(value);
  // A whole number is its own rounding; so is every double from 2^52 up.
  if (!std::isfinite(value) || magnitude >= kWholeFrom || magnitude == std::trunc(magnitude)) {
    return value;
  }
  return std::copysign(FromHundredths(Hundredths(magnitude)), value);
}

}  // namespace calc
