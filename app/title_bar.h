#pragma once

#include <QSize>
#include <QWidget>

namespace app {

// Whether the window draws its own title bar: on Wayland, where Qt's own would offer to
// maximise and minimise a window of fixed size, whatever its flags say.
bool DrawsItsOwnTitleBar();

// Puts the window's own title bar across its top (its icon, its caption and a close
// button; no edge to resize it by) and returns the client area below, of the given size.
QWidget* AddTitleBar(QWidget& form, QSize clientSize);

}  // namespace app
