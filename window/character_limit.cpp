#include "window/character_limit.h"

#include <algorithm>

namespace window {
namespace {

constexpr bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

bool PairAt(std::u16string_view text, std::size_t at) {
  return at + 1 < text.size() && IsHighSurrogate(text[at]) && IsLowSurrogate(text[at + 1]);
}

std::size_t CharacterLength(std::u16string_view text, std::size_t at) {
  return PairAt(text, at) ? 2 : 1;
}

}  // namespace

std::size_t CharacterCount(std::u16string_view text) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size(); at += CharacterLength(text, at)) ++count;
  return count;
}

std::u16string_view FittingBeginning(std::u16string_view text, std::size_t characters) {
  std::size_t at = 0;
  for (; at < text.size() && characters > 0; --characters) at += CharacterLength(text, at);
  return text.substr(0, at);
}

std::size_t Room(std::u16string_view text, std::size_t selectionStart, std::size_t selectionEnd,
                 std::size_t limit) {
  const std::size_t from = std::min(selectionStart, text.size());
  const std::size_t to = std::clamp(selectionEnd, from, text.size());
  const std::size_t total = CharacterCount(text);
  // A selection that starts or ends inside a pair counts the half it holds.
  const std::size_t replaced = std::min(CharacterCount(text.substr(from, to - from)), total);
  const std::size_t kept = total - replaced;
  return kept < limit ? limit - kept : 0;
}

BoxText CutToFit(std::u16string_view text, std::size_t cursor, std::size_t limit) {
  cursor = std::min(cursor, text.size());
  const std::u16string_view before = text.substr(0, cursor);
  const std::u16string_view after = text.substr(cursor);
  const std::size_t afterCount = CharacterCount(after);
  if (afterCount >= limit) {
    // Only a text that was over the limit before the edit has more to lose after the cursor.
    return {std::u16string(FittingBeginning(after, limit)), 0};
  }
  std::u16string kept(FittingBeginning(before, limit - afterCount));
  const std::size_t keptCursor = kept.size();
  kept.append(after);
  return {kept, keptCursor};
}

}  // namespace window
