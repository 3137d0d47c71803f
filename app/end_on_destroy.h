#pragma once

#include <QWidget>

namespace app {

// Ends the program when another client destroys the window on X11, as closing it does;
// the toolkit itself would go on with no window at all. Watches for as long as the
// window lives.
void EndOnDestroy(QWidget& form);

}  // namespace app
