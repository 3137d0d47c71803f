#pragma once

#include <windows.h>

namespace win32 {

// What later Windows offer for drawing each monitor at its own resolution, looked up while
// the program runs: the program is built for Windows 7, whose loader would refuse it if it
// imported them. Each is null where this Windows lacks it.
struct DpiFunctions {
  // Windows 10 version 1607 on.
  UINT(WINAPI* dpiForWindow)(HWND window) = nullptr;
  BOOL(WINAPI* adjustWindowRectExForDpi)
  (RECT* rect, DWORD style, BOOL menu, DWORD exStyle, UINT dpi) = nullptr;
  // Windows 8.1 on, in shcore.dll.
  HRESULT(WINAPI* dpiForMonitor)(HMONITOR monitor, int type, UINT* x, UINT* y) = nullptr;

  // This Windows' own, looked up once.
  static const DpiFunctions& OfThisWindows();
};

// The resolution a window is drawn at: its own where Windows says it (10 on), its monitor's
// where Windows scales each monitor (8.1 on), the system's otherwise (7 and 8).
int WindowDpi(HWND window, const DpiFunctions& functions = DpiFunctions::OfThisWindows());

// The window's rectangle around a client area at a resolution. Where Windows draws the
// frame at the system's resolution whatever the monitor's, it is measured at that one.
RECT FrameAround(RECT client, DWORD style, DWORD exStyle, int dpi,
                 const DpiFunctions& functions = DpiFunctions::OfThisWindows());

}  // namespace win32
