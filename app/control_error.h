#pragma once

#include <cstdint>
#include <string_view>

#include "calc/runtime_error.h"

namespace app {

// A control-array element the window lacks, or one that is gone.
calc::RuntimeError NoSuchControl(std::string_view name, std::int16_t index);

// A property the control did not take as asked.
calc::RuntimeError PropertyRejected(std::string_view name, std::int16_t index,
                                    std::string_view property);

}  // namespace app
