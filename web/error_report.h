#pragma once

#include <string_view>

#include "calc/runtime_error.h"
#include "window/error_report.h"

namespace web {

// Tells the user of the error in a modal dialog inside the window's element (or on the page
// itself, where no window is named), with its number and description.
void ReportError(std::string_view window, const calc::RuntimeError& error,
                 window::Consequence consequence);

}  // namespace web
