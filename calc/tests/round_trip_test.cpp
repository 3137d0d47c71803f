#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "calc/number_text.h"
#include "error_number.h"

namespace {

using calc::NumberFormat;
using calc::NumberToText;
using calc::ParseLeadingNumber;
using calc::RoundToHundredths;

constexpr std::uint64_t kSeed = 20261208;
constexpr int kSamples = 200000;

std::string Printf(const char* format, double value) {
  char text[512];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// The nearest double to a decimal text, read by the C library as an independent reader.
double Strtod(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

double RandomFiniteDouble(std::mt19937_64& generator) {
  std::uniform_int_distribution<std::uint64_t> bits;
  for (;;) {
    // memcpy, not std::bit_cast: emscripten's C++ library does not have it yet.
    const std::uint64_t pattern = bits(generator);
    double value = 0;
    std::memcpy(&value, &pattern, sizeof value);
    if (std::isfinite(value)) return value;
  }
}

// Values where hundredths matter: a wide spread of magnitudes, and exact half hundredths
// as a division leaves them (a little above or below the half).
double RandomPercentage(std::mt19937_64& generator) {
  std::uniform_real_distribution<double> exponent(-5, 16);
  std::uniform_int_distribution<std::int64_t> odd(0, 500000000);
  const double sign = generator() % 2 ? -1 : 1;
  if (generator() % 2) return sign * std::pow(10.0, exponent(generator));
  return sign * static_cast<double>(2 * odd(generator) + 1) / 200;
}

// Whole numbers and whole hundredths, which the text form takes from an integer.
double RandomShortDecimal(std::mt19937_64& generator) {
  std::uniform_int_distribution<std::int64_t> integer(1, std::int64_t{1} << 53);
  const auto whole = static_cast<double>(integer(generator));
  return generator() % 2 ? whole : whole / 100;
}

// Rounds a plain decimal text "ddd.ddd…" to two places, halves up, by string arithmetic.
std::string RoundDecimalText(std::string digits) {
  const std::size_t point = digits.find('.');
  if (point == std::string::npos) return digits;
  digits.append(3, '0');
  const bool roundUp = digits[point + 3] >= '5';
  // A leading zero takes the carry out of "99.995", so the digits never grow at the front.
  std::string result = "0";
  result.append(digits, 0, point).append(digits, point + 1, 2);
  for (std::size_t i = result.size(); roundUp && i-- > 0;) {
    if (result[i] == '9') {
      result[i] = '0';
    } else {
      ++result[i];
      break;
    }
  }
  return result.substr(0, result.size() - 2) + "." + result.substr(result.size() - 2);
}

// The 15-significant-digit form "d.dddddddddddddde±x" written out as a plain decimal.
std::string FifteenDigitsAsPlainDecimal(double magnitude) {
  const std::string scientific = Printf("%.14e", magnitude);
  const int exponent = std::atoi(scientific.c_str() + scientific.find('e') + 1);
  const std::string digits = scientific.substr(0, 1) + scientific.substr(2, 14);
  if (exponent < 0) return "0." + std::string(-exponent - 1, '0') + digits;
  return digits.substr(0, exponent + 1) + "." + digits.substr(exponent + 1);
}

double ExpectedHundredths(double value) {
  const double magnitude = std::fabs(value);
  const std::string plain = magnitude < 1e13 ? FifteenDigitsAsPlainDecimal(magnitude)
                                             : Printf("%.60f", magnitude);  // exact
  return std::copysign(Strtod(RoundDecimalText(plain)), value);
}

TEST(RoundTrip, TextReadsBackAsTheValueAtFifteenDigits) {
  std::mt19937_64 random(kSeed);
  for (int i = 0; i < kSamples; ++i) {
    const double value = i % 3 == 0   ? RandomFiniteDouble(random)
                         : i % 3 == 1 ? RandomPercentage(random)
                                      : RandomShortDecimal(random);
    const double expected = Strtod(Printf("%.14e", value));
    const std::string text = NumberToText(value, NumberFormat{});
    if (std::isinf(expected)) {
      // The 15-digit form of the very largest doubles lies beyond the range.
      ASSERT_EQ(ErrorNumberOf([&] { ParseLeadingNumber(text); }), 6) << text;
    } else {
      ASSERT_EQ(ParseLeadingNumber(text), expected) << "seed " << kSeed << " sample " << i;
    }
  }
}

TEST(RoundTrip, HundredthsAgreeWithDecimalArithmetic) {
  std::mt19937_64 random(kSeed);
  for (int i = 0; i < kSamples; ++i) {
    const double value = RandomPercentage(random);
    ASSERT_EQ(RoundToHundredths(value), ExpectedHundredths(value))
        << Printf("%.17g", value) << " seed " << kSeed << " sample " << i;
  }
}

}  // namespace
