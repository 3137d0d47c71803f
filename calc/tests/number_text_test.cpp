#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "error_number.h"

namespace {

using calc::NumberFormat;
using calc::NumberToText;
using calc::ParseLeadingNumber;
using calc::RoundToHundredths;

struct ParseCase {
  const char* name;
  std::string text;
  double expected;
};

TEST(ParseLeadingNumber, ReadsTheNumberAtTheStart) {
  const ParseCase cases[] = {
      {"empty text", "", 0},
      {"no number", "abc", 0},
      {"lone point", ".", 0},
      {"lone sign", "-", 0},
      {"percent sign first", "%5", 0},
      {"blanks between digits", " 4 5 ", 45},
      {"grouped by a blank", "1 615", 1615},
      {"tab and line feed dropped", "\t1\n2", 12},
      {"carriage return ends it", "1\r2", 1},
      {"negative", "-7", -7},
      {"explicit plus", "+7", 7},
      {"blank after the sign", "- 7", -7},
      {"comma ends it", "12,5", 12},
      {"point is decimal", "12.5", 12.5},
      {"second point ends it", "1.2.3", 1.2},
      {"leading point", ".5", 0.5},
      {"trailing point", "5.", 5},
      {"negative leading point", "-.5", -0.5},
      {"exponent e", "1e3", 1000},
      {"exponent D", "1D3", 1000},
      {"negative exponent d", "1d-2", 0.01},
      {"marker without digits", "2E", 2},
      {"marker and sign without digits", "1e+", 1},
      {"second exponent ignored", "1e3e4", 1000},
      {"trailing letters ignored", "12abc", 12},
      {"full-width digits end it", "1\xEF\xBC\x92", 1},
      {"full-width digit first", "\xEF\xBC\x91", 0},
      {"decimal nearest double", "0.1", 0.1},
      {"long digits round once", "123456789012345678901234567890", 1.2345678901234568e29},
      {"largest double", "1.7976931348623157e308", DBL_MAX},
      {"rounds down to the largest", "1.7976931348623158e308", DBL_MAX},
      {"too small reads as zero", "1e-999", 0},
      {"smallest subnormal", "4.9406564584124654e-324", 4.9406564584124654e-324},
      {"just over half the smallest subnormal", "2.4703282292062328e-324", 4.9406564584124654e-324},
      {"huge negative exponent", "5e-99999999999999999999", 0},
      {"zero with huge exponent", "0e99999999999999999999", 0},
      {"hex", "&H1F", 31},
      {"hex lower case", "&h1f", 31},
      {"hex blanks dropped", "& H 1F", 31},
      {"hex 16-bit all ones", "&HFFFF", -1},
      {"hex largest 16-bit positive", "&H7FFF", 32767},
      {"hex 16-bit sign bit", "&H8000", -32768},
      {"hex short", "&HFFF", 4095},
      {"hex past 16 bits", "&H10000", 65536},
      {"hex 32-bit all ones", "&HFFFFFFFF", -1},
      {"hex 32-bit sign bit", "&H80000000", -2147483648.0},
      {"hex leading zeros", "&H0000000000FF", 255},
      {"hex without digits", "&H", 0},
      {"hex stops at non-digit", "&H1G", 1},
      {"octal", "&O17", 15},
      {"octal 16-bit all ones", "&O177777", -1},
      {"octal stops at 8", "&o18", 1},
      {"ampersand alone", "&5", 0},
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ParseLeadingNumber(c.text), c.expected);
  }
}

// Decimals exactly halfway between two doubles, or a hair off halfway: a reader that adds
// up digits in doubles, or rounds twice on the way, lands on the wrong neighbour.
TEST(ParseLeadingNumber, HalfwayDecimalsGoToTheEvenNeighbour) {
  const ParseCase cases[] = {
      {"tie at 2^53 + 1 goes down to even", "9007199254740993", 0x1p53},
      {"tie at 2^53 + 3 goes up to even", "9007199254740995", 0x1.0000000000002p53},
      {"a digit far past the tie breaks it upward",
       "9007199254740993.00000000000000000000000000001", 0x1.0000000000001p53},
      {"exact tie just above one goes down to even",
       "1.00000000000000011102230246251565404236316680908203125", 1},
      {"a last digit 1 past that tie rounds up",
       "1.000000000000000111022302462515654042363166809082031251", 0x1.0000000000001p0},
      {"tie above 0.1 stays on 0.1, the even one",
       "0.100000000000000012490009027033011079765856266021728515625", 0.1},
      {"largest subnormal, on which readers have looped for ever", "2.2250738585072011e-308",
       0x0.fffffffffffffp-1022},
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ParseLeadingNumber(c.text), c.expected);
  }
}

TEST(ParseLeadingNumber, NegativeZeroKeepsItsSign) {
  EXPECT_TRUE(std::signbit(ParseLeadingNumber("-0")));
  EXPECT_TRUE(std::signbit(ParseLeadingNumber("-1e-999")));
}

TEST(ParseLeadingNumber, NumbersBeyondTheRangeOverflow) {
  const ParseCase cases[] = {
      {"far beyond", "1e999", 0},
      {"negative far beyond", "-1e309", 0},
      {"just rounds to infinity", "1.797693134862315808e308", 0},
      {"many digits", "1" + std::string(400, '0'), 0},
      {"huge exponent", "0.001e99999999999999999999", 0},
      {"hex past 32 bits", "&H100000000", 0},
      {"octal past 32 bits", "&O40000000000", 0},
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ErrorNumberOf([&] { ParseLeadingNumber(c.text); }), 6);
  }
}

TEST(ParseLeadingNumber, OverflowIsDescribed) {
  try {
    ParseLeadingNumber("1e999");
    FAIL() << "no error";
  } catch (const calc::RuntimeError& error) {
    EXPECT_EQ(error.description(), "Overflow");
    EXPECT_STREQ(error.what(), "Overflow");
  }
}

struct RoundCase {
  const char* name;
  double value;
  double expected;
};

TEST(RoundToHundredths, RoundsHalvesAwayFromZero) {
  const RoundCase cases[] = {
      {"half hundredth", 0.005, 0.01},
      {"negative half hundredth", -0.005, -0.01},
      {"whole number", 2, 2},
      {"eighth", 0.125, 0.13},
      {"negative eighth", -0.125, -0.13},
      {"thirds down", 100.0 / 3, 33.33},
      {"thirds up", 200.0 / 3, 66.67},
      {"one decimal kept", 12.5, 12.5},
      {"thousands", 1234.567, 1234.57},
      {"stored just below the half", 100 * 2.01 / 200, 1.01},
      {"written 1.005, stored below it", 1.005, 1.01},
      {"below half", 0.004999, 0},
      {"tiny", 5e-324, 0},
      {"exact value decides from 1E+13", 1e13 + 0.046875, 10000000000000.05},
      {"exact half from 1E+13", 1e13 + 0.125, 10000000000000.13},
      {"whole doubles unchanged", 0x1p52 + 1, 0x1p52 + 1},
      {"largest unchanged", DBL_MAX, DBL_MAX},
  };
  for (const RoundCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RoundToHundredths(c.value), c.expected);
  }
}

struct TextCase {
  const char* name;
  double value;
  const char* expected;
};

TEST(NumberToText, WritesTheGeneralForm) {
  const TextCase cases[] = {
      {"zero", 0, "0"},
      {"negative zero", -0.0, "0"},
      {"whole", 2, "2"},
      {"negative whole", -75, "-75"},
      {"one decimal", 12.5, "12.5"},
      {"hundredths", 0.01, "0.01"},
      {"third at 15 digits", 1.0 / 3, "0.333333333333333"},
      {"two thirds rounded up", 2.0 / 3, "0.666666666666667"},
      {"binary noise hidden", 0.1 + 0.2, "0.3"},
      {"15 integer digits", 123456789012345, "123456789012345"},
      {"largest positional", 999999999999999, "999999999999999"},
      {"rounds up into scientific", 999999999999999.9, "1E+15"},
      {"1E+15", 1e15, "1E+15"},
      {"mantissa with decimals", 1.5e20, "1.5E+20"},
      {"three-digit exponent", 1e100, "1E+100"},
      {"largest double", DBL_MAX, "1.79769313486232E+308"},
      {"smallest positional", 0.0001, "0.0001"},
      {"rounds up into positional", 9.99999999999999949e-5, "0.0001"},
      {"positional leading zeros", 0.00012345, "0.00012345"},
      {"below 0.0001", 0.00001, "1E-05"},
      {"negative scientific", -1.5e-7, "-1.5E-07"},
      {"smallest subnormal", 5e-324, "4.94065645841247E-324"},
      {"tie at the 16th digit goes to even, down", 100000000000002.5, "100000000000002"},
      {"tie at the 16th digit goes to even, up", 100000000000003.5, "100000000000004"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(NumberToText(c.value, NumberFormat{}), c.expected);
  }
}

TEST(NumberToText, UsesTheUsersDecimalSeparator) {
  const NumberFormat comma{","};
  const NumberFormat arabic{"\xD9\xAB"};
  EXPECT_EQ(NumberToText(33.33, comma), "33,33");
  EXPECT_EQ(NumberToText(1.5e20, comma), "1,5E+20");
  EXPECT_EQ(NumberToText(0.001, comma), "0,001");
  EXPECT_EQ(NumberToText(1.5, arabic),
            "1\xD9\xAB"
            "5");
  EXPECT_EQ(NumberToText(1234567, comma), "1234567") << "no grouping";
}

}  // namespace
