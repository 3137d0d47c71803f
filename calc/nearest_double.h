#pragma once

#include <string>

namespace calc::detail {

// The double nearest to a decimal written "[-]digits[.digits][e[+|-]digits]", ties to even:
// infinity past the largest double, a signed zero below half the smallest subnormal.
// Whatever the process's locale, "." is the decimal point.
double NearestDouble(const std::string& decimal);

}  // namespace calc::detail
