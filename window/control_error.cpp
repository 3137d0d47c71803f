#include "window/control_error.h"

namespace window {

std::string ElementName(std::string_view name, std::int16_t index) {
  return std::string(name) + "(" + std::to_string(index) + ")";
}

std::string ControlNameOf(const ControlLayout& control) {
  if (control.index == kNotAnArray) return std::string(control.name);
  return ElementName(control.name, control.index);
}

calc::RuntimeError NoSuchControl(std::string_view name, std::int16_t index) {
  const calc::RuntimeError bounds = calc::RuntimeError::SubscriptOutOfRange();
  return {bounds.number(), bounds.description() + ": " + ElementName(name, index)};
}

calc::RuntimeError PropertyRejected(std::string_view name, std::int16_t index,
                                    std::string_view property) {
  return {380, "Invalid property value: " + ElementName(name, index) + "." + std::string(property)};
}

}  // namespace window
