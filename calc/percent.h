#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/number_text.h"

namespace calc {

// The part as a percentage of the whole, to hundredths, followed by "%".
// No result when the whole is below 1; throws RuntimeError 6 "Overflow" when a
// number or the product 100 × part lies beyond the double range.
std::optional<std::string> ComputePercent(std::string_view first, std::string_view second,
                                          const NumberFormat& format);

}  // namespace calc
