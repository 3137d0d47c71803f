#include <cmath>
#include <cstdint>
#include <string>

#include "calc/nearest_double.h"
#include "calc/number_text.h"
#include "calc/runtime_error.h"

namespace calc {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the text as if its blanks, tabs and line feeds were not there: "1 615" is 1615.
class BlankFreeReader {
 public:
  explicit BlankFreeReader(std::string_view text) : text_(text) { SkipBlanks(); }

  // '\0' at the end: it is no part of any number, so callers need no end test of their own.
  char Peek() const { return position_ < text_.size() ? text_[position_] : '\0'; }

  void Advance() {
    ++position_;
    SkipBlanks();
  }

  bool Take(char upper, char lower) {
    if (Peek() != upper && Peek() != lower) return false;
    Advance();
    return true;
  }

 private:
  void SkipBlanks() {
    while (position_ < text_.size() && IsBlank(text_[position_])) ++position_;
  }

  std::string_view text_;
  std::size_t position_ = 0;
};

int DigitValue(char c, int radix) {
  int value = -1;
  if (IsDigit(c)) value = c - '0';
  if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  return value < radix ? value : -1;
}

// "&H" and "&O" numbers: 16-bit two's complement up to FFFF, 32-bit up to FFFFFFFF.
double ReadWholeNumber(BlankFreeReader& reader, int radix) {
  std::uint64_t value = 0;
  for (int digit = DigitValue(reader.Peek(), radix); digit >= 0;
       digit = DigitValue(reader.Peek(), radix)) {
    value = value * radix + digit;
    if (value > 0xFFFF'FFFF) throw RuntimeError::Overflow();
    reader.Advance();
  }
  if (value <= 0xFFFF) return static_cast<std::int16_t>(value);
  return static_cast<std::int32_t>(value);
}

// Returns how many digits it took.
std::size_t AppendDigits(BlankFreeReader& reader, std::string& out) {
  const std::size_t before = out.size();
  for (char c = reader.Peek(); IsDigit(c); c = reader.Peek()) {
    out += c;
    reader.Advance();
  }
  return out.size() - before;
}

double ReadDecimal(BlankFreeReader& reader) {
  std::string number;  // the prefix in the form NearestDouble reads: "-", digits, ".", "e"
  if (reader.Peek() == '-') number += '-';
  if (reader.Peek() == '+' || reader.Peek() == '-') reader.Advance();

  std::size_t digits = AppendDigits(reader, number);
  if (reader.Peek() == '.') {
    number += '.';
    reader.Advance();
    digits += AppendDigits(reader, number);
  }
  if (digits == 0) return 0;

  if (reader.Take('E', 'e') || reader.Take('D', 'd')) {
    std::string exponent = "e";
    if (reader.Peek() == '+' || reader.Peek() == '-') {
      exponent += reader.Peek();
      reader.Advance();
    }
    AppendDigits(reader, exponent);
    // A marker with no digits after it adds nothing: "2E" is 2.
    if (IsDigit(exponent.back())) number += exponent;
  }

  const double value = detail::NearestDouble(number);
  if (std::isinf(value)) throw RuntimeError::Overflow();
  return value;
}

}  // namespace

double ParseLeadingNumber(std::string_view text) {
  BlankFreeReader reader(text);
  if (reader.Peek() != '&') return ReadDecimal(reader);
  reader.Advance();
  if (reader.Take('H', 'h')) return ReadWholeNumber(reader, 16);
  if (reader.Take('O', 'o')) return ReadWholeNumber(reader, 8);
  return 0;
}

}  // namespace calc
