#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "calc/runtime_error.h"
#include "window/layout.h"

namespace window {

// An element's name as the error reports write it: "Text2(0)".
std::string ElementName(std::string_view name, std::int16_t index);

// A control's name as the layout gives it: "Text2(0)", or "Frame1" for no array.
std::string ControlNameOf(const ControlLayout& control);

// A control-array element the window lacks, or one that is gone.
calc::RuntimeError NoSuchControl(std::string_view name, std::int16_t index);

// A property the control did not take as asked.
calc::RuntimeError PropertyRejected(std::string_view name, std::int16_t index,
                                    std::string_view property);

}  // namespace window
