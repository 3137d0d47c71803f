#pragma once

#include <string_view>

#include "window/control_error.h"
#include "window/layout.h"

namespace window {

// What a binding's control knows of itself: its record in the layout, which names it in
// the errors its operations raise.
class ControlElement {
 public:
  explicit ControlElement(const ControlLayout& layout) : layout_(&layout) {}

 protected:
  const ControlLayout& Layout() const { return *layout_; }

  // The control is gone: the window has no such element any more.
  [[noreturn]] void Missing() const { throw NoSuchControl(layout_->name, layout_->index); }

  // The control did not take the property as it was given.
  [[noreturn]] void Rejected(std::string_view property) const {
    throw PropertyRejected(layout_->name, layout_->index, property);
  }
  void Expect(bool taken, std::string_view property) const {
    if (!taken) Rejected(property);
  }

 private:
  const ControlLayout* layout_;
};

}  // namespace window
