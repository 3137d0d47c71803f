#include "win32/dpi.h"

namespace win32 {
namespace {

template <typename Function>
Function Find(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  // Through the generic function type, which stands for any other.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

DpiFunctions Look() {
  HMODULE user = GetModuleHandleW(L"user32.dll");
  DpiFunctions found;
  found.dpiForWindow = Find<decltype(found.dpiForWindow)>(user, "GetDpiForWindow");
  found.adjustWindowRectExForDpi =
      Find<decltype(found.adjustWindowRectExForDpi)>(user, "AdjustWindowRectExForDpi");
  if (found.dpiForWindow == nullptr) {
    // The system's own copy only, never a file of that name beside the program. Windows 7,
    // which has none, may also refuse the flag.
    HMODULE shellCore = LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    found.dpiForMonitor = Find<decltype(found.dpiForMonitor)>(shellCore, "GetDpiForMonitor");
  }
  return found;
}

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

}  // namespace

const DpiFunctions& DpiFunctions::OfThisWindows() {
  static const DpiFunctions functions = Look();
  return functions;
}

int WindowDpi(HWND window, const DpiFunctions& functions) {
  if (functions.dpiForWindow != nullptr) return static_cast<int>(functions.dpiForWindow(window));
  if (functions.dpiForMonitor != nullptr) {
    constexpr int kEffectiveDpi = 0;  // as the user's scaling setting makes it
    UINT x = 0;
    UINT y = 0;
    HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    if (SUCCEEDED(functions.dpiForMonitor(monitor, kEffectiveDpi, &x, &y))) {
      return static_cast<int>(y);
    }
  }
  return SystemDpi();
}

RECT FrameAround(RECT client, DWORD style, DWORD exStyle, int dpi, const DpiFunctions& functions) {
  if (functions.adjustWindowRectExForDpi != nullptr) {
    functions.adjustWindowRectExForDpi(&client, style, FALSE, exStyle, static_cast<UINT>(dpi));
  } else {
    AdjustWindowRectEx(&client, style, FALSE, exStyle);
  }
  return client;
}

}  // namespace win32
