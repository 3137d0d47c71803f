#pragma once

#include <windows.h>

#include <string_view>

namespace win32 {

// What a screen reader learns of a control beyond what Windows tells it by itself, given
// through Windows' annotation service (oleacc, from Windows XP on). Each is a courtesy to the
// listener: where the service or a property is missing (Windows 7 knows no live regions),
// the window works as before, unannounced.

// COM, which the annotation service needs, on the window's thread for as long as it lives.
class ComApartment {
 public:
  ComApartment();
  ~ComApartment();
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool opened_;
};

// The name a control has for a screen reader where no label gives it one.
void SetAccessibleName(HWND control, std::string_view name);

// Makes a control a polite live region: a screen reader speaks its name when it raises a
// live-region change, once it has finished what it was saying.
void SetLiveRegion(HWND control);

// Tells screen readers that a live region changed. Windows 7 declares no such event, but
// NVDA listens for it there too.
void AnnounceLiveRegion(HWND control);

// Lets go of what was said of a control, before it is destroyed.
void ClearAnnotations(HWND control);

}  // namespace win32
