#pragma once

#include <cstdint>
#include <map>
#include <string_view>

#include "window/control_error.h"
#include "window/layout.h"

namespace window {

// The elements of one control array by index; a lookup of a missing index fails.
template <typename Control>
class ControlArray {
 public:
  explicit ControlArray(std::string_view name) : name_(name) {}

  std::string_view Name() const { return name_; }

  // The element is made from its layout and the toolkit's control.
  template <typename Handle>
  void Add(const ControlLayout& layout, Handle handle) {
    elements_.try_emplace(layout.index, layout, handle);
  }

  // Each element, in the order of their indices.
  template <typename Visit>
  void ForEach(Visit visit) {
    for (auto& [index, element] : elements_) visit(element);
  }

  Control& Item(std::int16_t index) {
    const auto element = elements_.find(index);
    if (element == elements_.end()) throw NoSuchControl(name_, index);
    return element->second;
  }

 private:
  std::string_view name_;
  std::map<std::int16_t, Control> elements_;
};

}  // namespace window
