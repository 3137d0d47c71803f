#pragma once

#include <string_view>

#include "calc/runtime_error.h"

namespace win32 {

// The failure Windows reports for the calling thread's last call, with the step that failed:
// "Cannot create Text2(0): <the system's description>".
calc::RuntimeError SystemError(std::string_view step);

}  // namespace win32
