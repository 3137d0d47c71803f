// A separator, then two texts, each ended by a backslash and one more byte (the provider's
// own format). A result ends in "%", and read back (with the
// separator put back to ".") it is the rounded percentage; an error is only Overflow.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "calc/number_text.h"
#include "calc/percent.h"
#include "calc/runtime_error.h"
#include "fifteen_digits.h"

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

// A separator that cannot be mistaken for part of a number can be put back to ".".
bool Replaceable(const std::string& separator) {
  return !separator.empty() &&
         separator.find_first_of("0123456789.+-eEdD \t\n&%") == std::string::npos;
}

std::string WithPoint(std::string text, const std::string& separator) {
  const std::size_t at = text.find(separator);
  if (at != std::string::npos) text.replace(at, separator.size(), ".");
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const calc::NumberFormat format{input.ConsumeRandomLengthString(4)};
  const std::string first = input.ConsumeRandomLengthString(64);
  const std::string second = input.ConsumeRemainingBytesAsString();

  std::optional<std::string> result;
  try {
    result = calc::ComputePercent(first, second, format);
  } catch (const calc::RuntimeError& error) {
    Check(error.number() == 6);
    return 0;
  }
  const double whole = calc::ParseLeadingNumber(second);
  Check(result.has_value() == (whole >= 1));
  if (!result) return 0;

  Check(!result->empty() && result->back() == '%');
  const double percentage = calc::RoundToHundredths(100 * calc::ParseLeadingNumber(first) / whole);
  if (format.decimalSeparator == "." || Replaceable(format.decimalSeparator)) {
    const std::string number =
        WithPoint(result->substr(0, result->size() - 1), format.decimalSeparator);
    Check(calc::ParseLeadingNumber(number) == AtFifteenDigits(percentage));
  }
  return 0;
}
