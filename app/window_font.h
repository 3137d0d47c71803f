#pragma once

#include <QFont>

#include "window/layout.h"

namespace app {

// The window's font as the layout names it. Where that family is not installed, its
// metric twin is asked for by name: it is what fontconfig would give for it anyway, and Qt
// would first search every font on the system for the missing family.
QFont WindowFont(const window::FontLayout& layout);

}  // namespace app
