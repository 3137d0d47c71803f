#include "win32/character_limit.h"

#include <optional>
#include <string>
#include <utility>

#include "win32/text_conversion.h"
#include "win32/window_text.h"
#include "window/character_limit.h"

namespace win32 {
namespace {

std::wstring ClipboardText(HWND owner) {
  std::wstring text;
  if (OpenClipboard(owner) == FALSE) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* units = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = units;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

// Typed control characters are commands to the box (Backspace, Ctrl+C), not text.
constexpr bool IsCommand(wchar_t unit) { return unit < L' ' || unit == 0x7F; }

}  // namespace

bool CharacterLimit::Takes(HWND box, wchar_t unit) {
  if (IS_LOW_SURROGATE(unit) && std::exchange(refusingSecondHalf_, false)) return false;
  if (IsCommand(unit) || IS_LOW_SURROGATE(unit) || Room(box) > 0) return true;
  refusingSecondHalf_ = IS_HIGH_SURROGATE(unit);
  return false;
}

void CharacterLimit::Paste(HWND box) const {
  const std::wstring clipboard = ClipboardText(box);
  // A box of one line takes the first line, as Windows' own paste does.
  const std::wstring_view firstLine =
      std::wstring_view(clipboard).substr(0, clipboard.find_first_of(L"\r\n"));
  const std::size_t fitting = window::FittingBeginning(ToChar16(firstLine), Room(box)).size();
  const std::wstring inserted(firstLine.substr(0, fitting));
  SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(inserted.c_str()));
}

std::size_t CharacterLimit::Room(HWND box) const {
  const std::wstring text = WindowText(box).value_or(std::wstring());
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return window::Room(ToChar16(text), start, end, max_);
}

}  // namespace win32
