#include "win32/utf16.h"

namespace win32 {
namespace {

constexpr bool IsHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool IsLowSurrogate(wchar_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

std::size_t CharacterLength(std::wstring_view text, std::size_t at) {
  return PairAt(text, at) ? 2 : 1;
}

}  // namespace

bool PairAt(std::wstring_view text, std::size_t at) {
  return at + 1 < text.size() && IsHighSurrogate(text[at]) && IsLowSurrogate(text[at + 1]);
}

std::size_t CharacterCount(std::wstring_view text) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size(); at += CharacterLength(text, at)) ++count;
  return count;
}

std::wstring_view FittingBeginning(std::wstring_view text, std::size_t characters) {
  std::size_t at = 0;
  for (; at < text.size() && characters > 0; --characters) at += CharacterLength(text, at);
  return text.substr(0, at);
}

}  // namespace win32
