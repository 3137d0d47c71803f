#include "window/character_limit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Each case is a box's text after an edit, split where the cursor stands, with the limit
// of the part and whole boxes; and what the box keeps, split where the cursor is left.
TEST(CutToFit, KeepsWholeCharactersUpToTheLimit) {
  const struct {
    const char* why;
    std::string before;
    std::string after;
    std::string keptBefore;
    std::string keptAfter;
  } cases[] = {
      {"a text that fits stays", "12", "3", "12", "3"},
      {"five characters in six UTF-16 units fit", "1234😀", "", "1234😀", ""},
      {"a sixth character is cut", "12345😀", "", "12345", ""},
      {"only five of six characters outside the BMP", "😀😀😀😀😀😀", "", "😀😀😀😀😀", ""},
      {"a long paste into an empty box", "123456789", "", "12345", ""},
      {"an insertion at the start is cut, not the text after it", "😀😀😀😀", "12", "😀😀😀", "12"},
      {"an insertion in the middle is cut at its end", "1абвг", "2", "1абв", "2"},
      {"three-byte characters count once", "中文字", "12", "中文字", "12"},
      {"a cut falls before a four-byte character", "123😀😀", "4", "123😀", "4"},
      {"a text too long before the edit loses its end", "", "1234567", "", "12345"},
  };
  for (const auto& c : cases) {
    const window::BoxText kept = window::CutToFit(c.before + c.after, c.before.size(), /*limit=*/5);
    EXPECT_EQ(kept.text, c.keptBefore + c.keptAfter) << c.why;
    EXPECT_EQ(kept.cursor, c.keptBefore.size()) << c.why;
  }
}

}  // namespace
