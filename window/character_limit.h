#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace window {

// A box's limit counts characters as a user does, in the UTF-16 units every toolkit holds
// a box's text in: a surrogate pair (a character outside the Basic Multilingual Plane) is
// one character, and so is a lone half of one.

std::size_t CharacterCount(std::u16string_view text);

// The longest beginning of the text that holds at most `characters` characters; it never
// ends between the halves of a pair.
std::u16string_view FittingBeginning(std::u16string_view text, std::size_t characters);

// How many characters a box that holds at most `limit` can take in place of the units
// from `selectionStart` to `selectionEnd` of its text.
std::size_t Room(std::u16string_view text, std::size_t selectionStart, std::size_t selectionEnd,
                 std::size_t limit);

// A box's text with the cursor as a unit offset into it.
struct BoxText {
  std::u16string text;
  std::size_t cursor;
};

// What an edit may leave in a box that holds at most `limit` characters. The edit's
// insertion ends at `cursor`: where it overfills the box, it is cut before the first
// character that does not fit, and the text around it stays; the cursor stays at its end.
BoxText CutToFit(std::u16string_view text, std::size_t cursor, std::size_t limit);

}  // namespace window
