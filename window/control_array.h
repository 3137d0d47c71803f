#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "window/control_error.h"

namespace window {

// The elements of one control array by index; a lookup of a missing index fails.
template <typename Control>
class ControlArray {
 public:
  explicit ControlArray(std::string_view name) : name_(name) {}

  std::string_view Name() const { return name_; }

  // The element is made from its name, its index and what the binding gives for it.
  template <typename... Binding>
  void Add(std::int16_t index, Binding&&... binding) {
    elements_.try_emplace(index, name_, index, std::forward<Binding>(binding)...);
  }

  Control& Item(std::int16_t index) {
    const auto element = elements_.find(index);
    if (element == elements_.end()) throw NoSuchControl(name_, index);
    return element->second;
  }

 private:
  std::string name_;
  std::map<std::int16_t, Control> elements_;
};

}  // namespace window
