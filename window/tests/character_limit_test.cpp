#include "window/character_limit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr char16_t kHigh = 0xD83D;  // with kLow, U+1F600, a character outside the BMP
constexpr char16_t kLow = 0xDE00;
const std::u16string kPair = {kHigh, kLow};

TEST(CharacterCount, CountsAPairAsOneCharacter) {
  const struct {
    const char* why;
    std::u16string text;
    std::size_t characters;
  } cases[] = {
      {"empty", u"", 0},
      {"Cyrillic, one unit each", u"КПД", 3},
      {"a pair", kPair, 1},
      {"digits and a pair", u"1234" + kPair, 5},
      {"a lone high half", std::u16string(1, kHigh), 1},
      {"halves in the wrong order", std::u16string{kLow, kHigh}, 2},
  };
  for (const auto& c : cases) EXPECT_EQ(window::CharacterCount(c.text), c.characters) << c.why;
}

TEST(FittingBeginning, NeverEndsInsideAPair) {
  const struct {
    const char* why;
    std::u16string text;
    std::size_t room;
    std::u16string fitting;
  } cases[] = {
      {"a short text fits whole", u"12", 5, u"12"},
      {"a long one is cut", u"123456789", 5, u"12345"},
      {"a pair as the fifth character fits", u"1234" + kPair + u"6", 5, u"1234" + kPair},
      {"a pair beyond the room is left out whole", u"12345" + kPair, 5, u"12345"},
      {"no room", u"1", 0, u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(window::FittingBeginning(c.text, c.room), c.fitting) << c.why;
  }
}

TEST(Room, IsWhatTheLimitLeavesBesidesTheTextKept) {
  const struct {
    const char* why;
    std::u16string text;
    std::size_t selectionStart;
    std::size_t selectionEnd;
    std::size_t room;
  } cases[] = {
      {"an empty box", u"", 0, 0, 5},
      {"a full box", u"12345", 5, 5, 0},
      {"a full box with its last character selected", u"12345", 4, 5, 1},
      {"a pair counts once", u"123" + kPair, 5, 5, 1},
      {"a selected pair frees one character", u"1234" + kPair, 4, 6, 1},
      {"a selection past the end is the end", u"12", 7, 9, 3},
      {"a selection backwards is empty", u"12345", 3, 1, 0},
      {"a box over its limit has no room", u"1234567", 7, 7, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(window::Room(c.text, c.selectionStart, c.selectionEnd, /*limit=*/5), c.room) << c.why;
  }
}

// Each case is a box's text after an edit, split where the cursor stands, with the limit
// of the part and whole boxes; and what the box keeps, split where the cursor is left.
TEST(CutToFit, KeepsWholeCharactersUpToTheLimit) {
  const std::u16string smile = kPair;
  const struct {
    const char* why;
    std::u16string before;
    std::u16string after;
    std::u16string keptBefore;
    std::u16string keptAfter;
  } cases[] = {
      {"a text that fits stays", u"12", u"3", u"12", u"3"},
      {"five characters in six UTF-16 units fit", u"1234" + smile, u"", u"1234" + smile, u""},
      {"a sixth character is cut", u"12345" + smile, u"", u"12345", u""},
      {"only five of six characters outside the BMP", smile + smile + smile + smile + smile + smile,
       u"", smile + smile + smile + smile + smile, u""},
      {"a long paste into an empty box", u"123456789", u"", u"12345", u""},
      {"an insertion at the start is cut, not the text after it", smile + smile + smile + smile,
       u"12", smile + smile + smile, u"12"},
      {"an insertion in the middle is cut at its end", u"1абвг", u"2", u"1абв", u"2"},
      {"characters of other scripts count once", u"中文字", u"12", u"中文字", u"12"},
      {"a cut falls before a pair", u"123" + smile + smile, u"4", u"123" + smile, u"4"},
      {"a text too long before the edit loses its end", u"", u"1234567", u"", u"12345"},
  };
  for (const auto& c : cases) {
    const window::BoxText kept = window::CutToFit(c.before + c.after, c.before.size(), /*limit=*/5);
    EXPECT_EQ(kept.text, c.keptBefore + c.keptAfter) << c.why;
    EXPECT_EQ(kept.cursor, c.keptBefore.size()) << c.why;
  }
}

}  // namespace
