#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace window {

// A box's text in UTF-8, with the cursor as a byte offset into it.
struct BoxText {
  std::string text;
  std::size_t cursor;
};

// What an edit may leave in a box that holds at most `limit` characters (code points, so a
// character outside the Basic Multilingual Plane is one, never half of one). The edit's
// insertion ends at `cursor`: where it overfills the box, it is cut before the first
// character that does not fit, and the text around it stays; the cursor stays at its end.
BoxText CutToFit(std::string_view text, std::size_t cursor, std::size_t limit);

}  // namespace window
