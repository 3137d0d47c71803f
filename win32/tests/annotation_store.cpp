#include "win32/tests/annotation_store.h"

#include <oleacc.h>

#include <cstring>

namespace win32_test {
namespace {

// One service for the process, as Windows has, answering only for the client object of a
// window, which is all the window annotates.
class Service final : public IAccPropServices, public IClassFactory {
 public:
  AnnotationStore::Annotations held;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (id == IID_IUnknown || id == IID_IAccPropServices) {
      *object = static_cast<IAccPropServices*>(this);
    } else if (id == IID_IClassFactory) {
      *object = static_cast<IClassFactory*>(this);
    } else {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID id, void** object) override {
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    return QueryInterface(id, object);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

  HRESULT STDMETHODCALLTYPE SetHwndProp(HWND window, DWORD object, DWORD child, MSAAPROPID property,
                                        VARIANT value) override {
    if (!IsClient(object, child) || value.vt != VT_I4) return E_INVALIDARG;
    held[{window, property}] = value.lVal;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetHwndPropStr(HWND window, DWORD object, DWORD child,
                                           MSAAPROPID property, LPCWSTR text) override {
    if (!IsClient(object, child)) return E_INVALIDARG;
    held[{window, property}] = std::wstring(text);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ClearHwndProps(HWND window, DWORD object, DWORD child,
                                           const MSAAPROPID* properties, int count) override {
    if (!IsClient(object, child)) return E_INVALIDARG;
    for (int i = 0; i < count; ++i) held.erase({window, properties[i]});
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE SetPropValue(const BYTE*, DWORD, MSAAPROPID, VARIANT) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetPropServer(const BYTE*, DWORD, const MSAAPROPID*, int,
                                          IAccPropServer*, AnnoScope) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE ClearProps(const BYTE*, DWORD, const MSAAPROPID*, int) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID*, int,
                                              IAccPropServer*, AnnoScope) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE**, DWORD*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE DecomposeHwndIdentityString(const BYTE*, DWORD, HWND*, DWORD*,
                                                        DWORD*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID*, int,
                                               IAccPropServer*, AnnoScope) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE ClearHmenuProps(HMENU, DWORD, const MSAAPROPID*, int) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE ComposeHmenuIdentityString(HMENU, DWORD, BYTE**, DWORD*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE DecomposeHmenuIdentityString(const BYTE*, DWORD, HMENU*,
                                                         DWORD*) override {
    return E_NOTIMPL;
  }

 private:
  static bool IsClient(DWORD object, DWORD child) {
    return object == static_cast<DWORD>(OBJID_CLIENT) && child == CHILDID_SELF;
  }
};

Service service;

}  // namespace

bool AnnotationStore::KeyOrder::operator()(const Key& a, const Key& b) const {
  if (a.first != b.first) return a.first < b.first;
  return std::memcmp(&a.second, &b.second, sizeof(GUID)) < 0;
}

AnnotationStore::AnnotationStore() {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  service.held.clear();
  CoRegisterClassObject(CLSID_AccPropServices, static_cast<IClassFactory*>(&service),
                        CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &registration_);
}

AnnotationStore::~AnnotationStore() {
  CoRevokeClassObject(registration_);
  CoUninitialize();
}

const AnnotationStore::Value* AnnotationStore::Find(HWND control, const GUID& property) const {
  const auto found = service.held.find({control, property});
  return found == service.held.end() ? nullptr : &found->second;
}

const AnnotationStore::Annotations& AnnotationStore::All() const { return service.held; }

}  // namespace win32_test
