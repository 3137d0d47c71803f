#pragma once

namespace app {

// Lets assistive technology read the window as a frame named by its caption, every box as
// editable only while it is not locked (a locked box takes no text from a screen reader,
// as it takes none from the keyboard), and the window's announcements as notifications.
void InstallAccessibleInterfaces();

}  // namespace app
