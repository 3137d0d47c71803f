#include "window/character_limit.h"

#include <algorithm>

namespace window {
namespace {

// Every byte of UTF-8 but a continuation byte starts a character.
bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U; }

std::size_t CountCharacters(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), StartsCharacter));
}

}  // namespace

BoxText CutToFit(std::string_view text, std::size_t cursor, std::size_t limit) {
  cursor = std::min(cursor, text.size());
  std::size_t excess = CountCharacters(text);
  if (excess <= limit) return {std::string(text), cursor};
  excess -= limit;
  std::size_t start = cursor;
  while (excess > 0 && start > 0) {
    if (StartsCharacter(text[--start])) --excess;
  }
  std::string kept(text.substr(0, start));
  kept.append(text.substr(cursor));
  // Only a text that was over the limit before the edit has more to lose after the cursor.
  for (std::size_t end = kept.size(); excess > 0; --end) {
    if (StartsCharacter(kept[end - 1])) {
      kept.resize(end - 1);
      --excess;
    }
  }
  return {kept, start};
}

}  // namespace window
