#include "app/control_error.h"

#include <string>

namespace app {
namespace {

std::string ControlName(std::string_view name, std::int16_t index) {
  return std::string(name) + "(" + std::to_string(index) + ")";
}

}  // namespace

calc::RuntimeError NoSuchControl(std::string_view name, std::int16_t index) {
  const calc::RuntimeError bounds = calc::RuntimeError::SubscriptOutOfRange();
  return {bounds.number(), bounds.description() + ": " + ControlName(name, index)};
}

calc::RuntimeError PropertyRejected(std::string_view name, std::int16_t index,
                                    std::string_view property) {
  return {380, "Invalid property value: " + ControlName(name, index) + "." + std::string(property)};
}

}  // namespace app
