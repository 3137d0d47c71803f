#pragma once

#include <cstddef>
#include <string_view>

namespace win32 {

// Whether a surrogate pair, one character of two UTF-16 units, starts at `at`.
bool PairAt(std::wstring_view text, std::size_t at);

// Characters as a user counts them in a box: a pair is one, and so is a lone half.
std::size_t CharacterCount(std::wstring_view text);

// The longest beginning of the text that holds at most `characters` characters; it never
// ends between the halves of a pair.
std::wstring_view FittingBeginning(std::wstring_view text, std::size_t characters);

}  // namespace win32
