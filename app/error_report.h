#pragma once

#include <QWidget>

#include "calc/runtime_error.h"
#include "window/error_report.h"

namespace app {

// Tells the user of the error in a modal message box, with its number and description.
void ReportError(QWidget* parent, const calc::RuntimeError& error, window::Consequence consequence);

}  // namespace app
