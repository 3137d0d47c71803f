#include "win32/utf16.h"

#include <gtest/gtest.h>

#include <string>

#include "win32/text_conversion.h"

namespace {

constexpr wchar_t kHigh = 0xD83D;  // with kLow, U+1F600, a character outside the BMP
constexpr wchar_t kLow = 0xDE00;
const std::wstring kPair = {kHigh, kLow};

TEST(Utf16, CountsAPairAsOneCharacter) {
  const struct {
    const char* why;
    std::wstring text;
    std::size_t characters;
  } cases[] = {
      {"empty", L"", 0},
      {"Cyrillic, one unit each", L"КПД", 3},
      {"a pair", kPair, 1},
      {"digits and a pair", L"1234" + kPair, 5},
      {"a lone high half", std::wstring(1, kHigh), 1},
      {"halves in the wrong order", std::wstring{kLow, kHigh}, 2},
  };
  for (const auto& c : cases) EXPECT_EQ(win32::CharacterCount(c.text), c.characters) << c.why;
}

TEST(Utf16, TheFittingBeginningNeverEndsInsideAPair) {
  const struct {
    const char* why;
    std::wstring text;
    std::size_t room;
    std::wstring fitting;
  } cases[] = {
      {"a short text fits whole", L"12", 5, L"12"},
      {"a long one is cut", L"123456789", 5, L"12345"},
      {"a pair as the fifth character fits", L"1234" + kPair + L"6", 5, L"1234" + kPair},
      {"a pair beyond the room is left out whole", L"12345" + kPair, 5, L"12345"},
      {"no room", L"1", 0, L""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(win32::FittingBeginning(c.text, c.room), c.fitting) << c.why;
}

TEST(TextConversion, RoundTripsAndNeverWritesInvalidUtf8) {
  const std::string mixed = "КПД 1,5 \xF0\x9F\x98\x80%";
  EXPECT_EQ(win32::ToUtf8(win32::ToUtf16(mixed)), mixed);
  EXPECT_EQ(win32::ToUtf16("\xF0\x9F\x98\x80"), kPair);
  EXPECT_EQ(win32::ToUtf8(L"12" + std::wstring(1, kHigh)), "12\xEF\xBF\xBD") << "lone high half";
  EXPECT_EQ(win32::ToUtf8(std::wstring(1, kLow) + L"3"),
            "\xEF\xBF\xBD"
            "3")
      << "lone low half";
}

}  // namespace
