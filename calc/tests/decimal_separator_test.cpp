#include "calc/decimal_separator.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "calc/percent.h"

namespace {

using calc::FormatFromSettings;

struct SettingCase {
  const char* name;
  const char* separator;
  const char* language;
  const char* written;
};

template <std::size_t N>
void ExpectWritten(const SettingCase (&cases)[N]) {
  for (const SettingCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FormatFromSettings(c.separator, c.language).decimalSeparator, c.written);
  }
}

TEST(FormatFromSettings, KeepsASeparatorThatReadsAsOne) {
  const SettingCase cases[] = {
      {"Bulgarian comma", ",", "bg_BG", ","},
      {"English point", ".", "en_US", "."},
      {"Swiss German point", ".", "de-CH", "."},
      {"Swiss French comma", ",", "fr-CH", ","},
      {"Swedish comma", ",", "sv_SE", ","},
      {"Hindi point", ".", "hi_IN", "."},
      {"a slash some settings give Persian", "/", "fa-IR", "/"},
      {"a longer symbol", "\xC2\xB7", "ca", "\xC2\xB7"},
  };
  ExpectWritten(cases);
}

TEST(FormatFromSettings, FallsBackToThePointWhereTheSettingWouldMislead) {
  const SettingCase cases[] = {
      {"empty: 1/3 would read 3333%", "", "bg_BG", "."},
      {"a digit: 33533%", "5", "bg_BG", "."},
      {"the exponent letter", "E", "en_US", "."},
      {"a lower-case exponent letter", "e", "en_US", "."},
      {"an exponent letter reading accepts: 33d33 reads as 33E+33", "d", "en_US", "."},
      {"a minus sign", "-", "en_US", "."},
      {"a plus sign", "+", "en_US", "."},
      {"a blank, which reading drops", " ", "fr_FR", "."},
      {"a digit among other characters", ",0", "bg_BG", "."},
      {"the percent sign that ends a result", "%", "en_US", "."},
  };
  ExpectWritten(cases);
}

// After Latin digits the Arabic decimal separator would make a number no locale writes.
TEST(FormatFromSettings, WritesTheLanguagesLatinSeparatorForTheArabicOne) {
  const char* const arabic = "\xD9\xAB";
  const SettingCase cases[] = {
      {"Arabic", arabic, "ar", "."},
      {"Egyptian Arabic", arabic, "ar_EG", "."},
      {"Saudi Arabic", arabic, "ar-SA", "."},
      {"Persian", arabic, "fa_IR", "."},
      {"Pashto writes a comma", arabic, "ps_AF", ","},
      {"Pashto in BCP 47", arabic, "ps-AF", ","},
      {"Uzbek in Arabic script", arabic, "uz-Arab-AF", ","},
      {"no language known", arabic, "", "."},
  };
  ExpectWritten(cases);
}

TEST(FormatFromSettings, GivesResultsThatReadTrue) {
  EXPECT_EQ(calc::ComputePercent("1", "3", FormatFromSettings("", "en_US")), "33.33%");
  EXPECT_EQ(calc::ComputePercent("1", "3", FormatFromSettings("5", "en_US")), "33.33%");
  EXPECT_EQ(calc::ComputePercent("1", "3", FormatFromSettings("\xD9\xAB", "ar_EG")), "33.33%");
  EXPECT_EQ(calc::ComputePercent("1", "3", FormatFromSettings(",", "bg_BG")), "33,33%");
}

}  // namespace
