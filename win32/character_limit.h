#pragma once

#include <windows.h>

#include <cstddef>

namespace win32 {

// Keeps an edit box to at most so many characters, however they are typed or pasted, and
// never lets it hold half of one: Windows' own limit counts UTF-16 units.
class CharacterLimit {
 public:
  explicit CharacterLimit(std::size_t maxCharacters) : max_(maxCharacters) {}

  // Whether a typed unit goes in. The second half of a refused pair is refused with it.
  bool Takes(HWND box, wchar_t unit);

  // Pastes as much of the clipboard's first line as fits in place of the selection.
  void Paste(HWND box) const;

 private:
  std::size_t Room(HWND box) const;

  std::size_t max_;
  bool refusingSecondHalf_ = false;
};

}  // namespace win32
