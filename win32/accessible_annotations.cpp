#include "win32/accessible_annotations.h"

#include <oleacc.h>

#include <iterator>
#include <memory>
#include <string>

#include "win32/text_conversion.h"

namespace win32 {
namespace {

// UI Automation's LiveSetting property and its value Polite, as Windows 8 and later read
// them from an annotation; earlier ones pass over a property they do not know.
constexpr MSAAPROPID kLiveSetting = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;
// EVENT_OBJECT_LIVEREGIONCHANGED, which Windows 7's headers do not declare.
constexpr DWORD kLiveRegionChanged = 0x8019;

struct Releaser {
  void operator()(IUnknown* object) const { object->Release(); }
};

// The annotation service, or none where Windows cannot give it.
std::unique_ptr<IAccPropServices, Releaser> AnnotationService() {
  IAccPropServices* service = nullptr;
  if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IAccPropServices, reinterpret_cast<void**>(&service)))) {
    return nullptr;
  }
  return std::unique_ptr<IAccPropServices, Releaser>(service);
}

}  // namespace

ComApartment::ComApartment()
    : opened_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}

ComApartment::~ComApartment() {
  if (opened_) CoUninitialize();
}

void SetAccessibleName(HWND control, std::string_view name) {
  const auto service = AnnotationService();
  if (!service) return;
  std::wstring text = ToUtf16(name);
  service->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                          text.data());
}

void SetLiveRegion(HWND control) {
  const auto service = AnnotationService();
  if (!service) return;
  VARIANT polite{};
  polite.vt = VT_I4;
  polite.lVal = kPolite;
  service->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kLiveSetting,
                       polite);
}

void AnnounceLiveRegion(HWND control) {
  NotifyWinEvent(kLiveRegionChanged, control, OBJID_CLIENT, CHILDID_SELF);
}

void ClearAnnotations(HWND control) {
  const auto service = AnnotationService();
  if (!service) return;
  const MSAAPROPID annotated[] = {PROPID_ACC_NAME, kLiveSetting};
  service->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, annotated,
                          static_cast<int>(std::size(annotated)));
}

}  // namespace win32
