#include "win32/announcer.h"

#include <string>

#include "win32/accessible_annotations.h"
#include "win32/control_windows.h"
#include "win32/system_error.h"
#include "win32/text_conversion.h"

namespace win32 {
namespace {

// Below the controls' ids, which follow the tab order from kFirstControlId on.
constexpr int kAnnouncerId = kFirstControlId - 1;

}  // namespace

HWND CreateAnnouncer(HWND window) {
  HWND announcer = CreateWindowExW(
      0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0, 0, window,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kAnnouncerId)), nullptr, nullptr);
  if (announcer == nullptr) throw SystemError("Cannot create the window's announcer");
  return announcer;
}

void Announce(HWND window, std::string_view words) {
  HWND announcer = GetDlgItem(window, kAnnouncerId);
  if (announcer == nullptr) return;
  SetWindowTextW(announcer, ToUtf16(words).c_str());
  AnnounceLiveRegion(announcer);
}

}  // namespace win32
