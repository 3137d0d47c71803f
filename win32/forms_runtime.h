#pragma once

#include <windows.h>

namespace win32 {

// Starts the program: builds the window, raises its Load event, shows it and delivers its
// events until the user closes it. Returns the exit status.
int Run(HINSTANCE instance, int showCommand);

}  // namespace win32
