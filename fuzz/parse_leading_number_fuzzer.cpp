// Any text reads as a finite number or raises Overflow, and that number's text form reads
// back as the number at 15 significant digits.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "calc/number_text.h"
#include "calc/runtime_error.h"
#include "fifteen_digits.h"

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

double ReadOrOverflow(std::string_view text, bool& overflow) {
  overflow = false;
  try {
    return calc::ParseLeadingNumber(text);
  } catch (const calc::RuntimeError& error) {
    Check(error.number() == 6);
    overflow = true;
    return 0;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  bool overflow = false;
  const double value = ReadOrOverflow(text, overflow);
  if (overflow) return 0;
  Check(std::isfinite(value));

  const std::string written = calc::NumberToText(value, calc::NumberFormat{});
  const double expected = AtFifteenDigits(value);
  const double reread = ReadOrOverflow(written, overflow);
  // The 15-digit form of the very largest doubles lies beyond the range.
  Check(overflow ? std::isinf(expected) : reread == expected);
  Check(calc::RoundToHundredths(value) == calc::RoundToHundredths(-value) * -1);
  return 0;
}
