// The regional settings a result is written in, as Windows keeps them: each locale's own,
// and the user's changes to theirs.
#include "win32/number_settings.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/percent.h"
#include "win32/tests/window_fixture.h"

namespace {

std::string OneThird(const calc::NumberFormat& format) {
  return calc::ComputePercent("1", "3", format).value_or("(none)");
}

// After Latin digits, the separator the language writes with them.
TEST(NumberSettings, EachLocaleWritesTheSeparatorOfLatinDigits) {
  const struct {
    const wchar_t* locale;
    const char* third;
  } cases[] = {
      {L"ar-EG", "33.33%"}, {L"ar-SA", "33.33%"}, {L"ps-AF", "33,33%"}, {L"hi-IN", "33.33%"},
      {L"de-CH", "33.33%"}, {L"sv-SE", "33,33%"}, {L"bg-BG", "33,33%"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(OneThird(win32::NumberFormatOf(c.locale)), c.third) << win32::ToUtf8(c.locale);
  }
}

// The user's decimal symbol for the time of one test, as the Control Panel sets it.
class UserDecimalSymbol {
 public:
  explicit UserDecimalSymbol(const wchar_t* symbol) {
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved_, 4);
    set_ = SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, symbol) != FALSE;
  }
  ~UserDecimalSymbol() { SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved_); }
  UserDecimalSymbol(const UserDecimalSymbol&) = delete;
  UserDecimalSymbol& operator=(const UserDecimalSymbol&) = delete;

  bool Set() const { return set_; }

 private:
  wchar_t saved_[4] = {};
  bool set_ = false;
};

using win32_test::Window;

// A school's IT can set any symbol; one that would make a result read wrong is not used.
TEST_F(Window, AUserSymbolThatWouldMisleadGivesWayToThePoint) {
  const struct {
    const wchar_t* symbol;
    const char* third;
  } cases[] = {
      {L"", "33.33%"},  {L"5", "33.33%"},      {L"d", "33.33%"},
      {L"E", "33.33%"}, {L"\x066B", "33.33%"}, {L",", "33,33%"},
  };
  for (const auto& c : cases) {
    const UserDecimalSymbol symbol(c.symbol);
    ASSERT_TRUE(symbol.Set()) << win32::ToUtf8(c.symbol);
    EXPECT_EQ(OneThird(form_.UserNumberFormat()), c.third) << win32::ToUtf8(c.symbol);
  }
}

}  // namespace
