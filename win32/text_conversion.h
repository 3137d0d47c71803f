#pragma once

#include <string>
#include <string_view>

namespace win32 {

// The window's texts are UTF-8; the Windows API's are UTF-16. These two are the only
// crossings between them.
std::wstring ToUtf16(std::string_view text);

// A lone half of a surrogate pair becomes U+FFFD, so that what is read is valid UTF-8.
std::string ToUtf8(std::wstring_view text);

// The same units as the window's own UTF-16 type: a wchar_t is one UTF-16 unit on Windows.
std::u16string ToChar16(std::wstring_view text);

}  // namespace win32
