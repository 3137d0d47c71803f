#include "win32/text_conversion.h"

#include <windows.h>

namespace win32 {
namespace {

constexpr wchar_t kReplacementCharacter = 0xFFFD;

// Windows writes a lone surrogate as invalid UTF-8 on some versions and as U+FFFD on
// others; this makes it U+FFFD on all.
std::wstring WithoutLoneSurrogates(std::wstring_view text) {
  std::wstring sound(text);
  for (std::size_t at = 0; at < sound.size(); ++at) {
    if (at + 1 < sound.size() && IS_SURROGATE_PAIR(sound[at], sound[at + 1])) {
      ++at;
    } else if (IS_HIGH_SURROGATE(sound[at]) || IS_LOW_SURROGATE(sound[at])) {
      sound[at] = kReplacementCharacter;
    }
  }
  return sound;
}

}  // namespace

std::wstring ToUtf16(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::string ToUtf8(std::wstring_view text) {
  if (text.empty()) return {};
  const std::wstring sound = WithoutLoneSurrogates(text);
  const int size = static_cast<int>(sound.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, sound.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, sound.data(), size, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

std::u16string ToChar16(std::wstring_view text) { return {text.begin(), text.end()}; }

}  // namespace win32
