#pragma once

#include <windows.h>

#include "calc/runtime_error.h"
#include "window/error_report.h"

namespace win32 {

// Tells the user of the error in a modal message box, with its number and description.
void ReportError(HWND owner, const calc::RuntimeError& error, window::Consequence consequence);

}  // namespace win32
