#pragma once

#include <cstdio>
#include <cstdlib>

// The double nearest to the value's 15-significant-digit decimal form, by the C library.
inline double AtFifteenDigits(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.14e", value);
  return std::strtod(text, nullptr);
}
