#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace win32 {

// A window's text, or nothing when Windows could not read it.
std::optional<std::wstring> WindowText(HWND handle);

}  // namespace win32
