#include "calc/percent.h"

#include <cmath>

#include "calc/runtime_error.h"

namespace calc {

std::optional<std::string> ComputePercent(std::string_view first, std::string_view second,
                                          const NumberFormat& format) {
  const double part = ParseLeadingNumber(first);
  const double whole = ParseLeadingNumber(second);
  // The one check on the input: a whole below 1 gives nothing to show, silently.
  if (whole < 1) return std::nullopt;
  const double product = 100 * part;
  if (std::isinf(product)) throw RuntimeError::Overflow();
  std::string text = NumberToText(RoundToHundredths(product / whole), format);
  text += '%';
  return text;
}

}  // namespace calc
