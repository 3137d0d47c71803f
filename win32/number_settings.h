#pragma once

#include <windows.h>

#include "calc/number_text.h"

namespace win32 {

// The format results are written in under a locale's regional settings: a locale name, or
// LOCALE_NAME_USER_DEFAULT for the user's own, with the changes they made to it.
calc::NumberFormat NumberFormatOf(LPCWSTR locale);

}  // namespace win32
