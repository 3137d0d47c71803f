#pragma once

#include <array>
#include <string_view>

namespace calc::detail {

// A nonzero finite double at 15 significant decimal digits, correctly rounded from its
// exact binary value (ties to even): digits d1.d2d3... times ten to the exponent.
struct SignificantDigits {
  static constexpr int kMaxDigits = 15;

  bool negative = false;
  std::array<char, kMaxDigits> digits{};
  int count = 0;  // trailing zeros removed, so at least 1
  int exponent = 0;

  std::string_view Digits() const { return {digits.data(), static_cast<std::size_t>(count)}; }
};

SignificantDigits ToSignificantDigits(double value);

}  // namespace calc::detail
