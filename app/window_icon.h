#pragma once

#include <QIcon>

namespace app {

// The window's icon in every size the desktop's icon theme has it, so that a title bar at
// any scale shows a size drawn for it. The pixels are embedded as raw RGBA bytes, one
// resource per size named by its side: no image reader, so no image plugin, at start.
QIcon WindowIcon();

}  // namespace app
