#pragma once

#include <QIcon>
#include <QWidget>

namespace app {

// The window's icon in every size the desktop's icon theme has it, so that a title bar at
// any scale shows a size drawn for it. The pixels are embedded as raw RGBA bytes, one
// resource per size named by its side: no image reader, so no image plugin, at start.
QIcon WindowIcon();

// Gives the window its icon once its first frame is drawn. Where the window manager draws
// the title bar, the icon is none of the window's own pixels, and decoding eight sizes and
// handing them over is work that need not delay the first frame.
void GiveIconAfterFirstPaint(QWidget& window);

}  // namespace app
