#include "win32/text_conversion.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr wchar_t kHigh = 0xD83D;  // with kLow, U+1F600, a character outside the BMP
constexpr wchar_t kLow = 0xDE00;
const std::wstring kPair = {kHigh, kLow};

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
