#pragma once

namespace app {

// Qt's own texts (the error report's button, the boxes' context menu) in Bulgarian, as
// every text of the window is, whatever the user's language; and the window laid out
// left to right, as its texts read, under every locale. Needs the application object.
void UseBulgarianStandardTexts();

}  // namespace app
