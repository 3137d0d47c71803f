#pragma once

#include <QWidget>

#include "calc/runtime_error.h"

namespace app {

enum class Consequence { kGoesOn, kEnds };

// Tells the user of the error in a modal message box, with its number and description.
void ReportError(QWidget* parent, const calc::RuntimeError& error, Consequence consequence);

}  // namespace app
