#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <utility>
#include <variant>

namespace win32_test {

// Windows' annotation service as a screen reader would find it, in the test's process: what
// the window says of each control through IAccPropServices. Wine's own service refuses every
// annotation, so the test stands in for Windows' while it lives.
class AnnotationStore {
 public:
  using Value = std::variant<std::wstring, LONG>;
  using Key = std::pair<HWND, GUID>;
  struct KeyOrder {
    bool operator()(const Key& a, const Key& b) const;
  };
  using Annotations = std::map<Key, Value, KeyOrder>;

  AnnotationStore();
  ~AnnotationStore();
  AnnotationStore(const AnnotationStore&) = delete;
  AnnotationStore& operator=(const AnnotationStore&) = delete;

  // What the control's client object says of the property; none if nothing.
  const Value* Find(HWND control, const GUID& property) const;
  // Every annotation held, on any control.
  const Annotations& All() const;

 private:
  DWORD registration_ = 0;
};

}  // namespace win32_test
