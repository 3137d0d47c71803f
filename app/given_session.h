#pragma once

namespace app {

// Keeps the toolkit to the session the desktop gives, so that starting the program starts
// no other process and makes no file. Call before the application object is made, while
// the program has its one thread.
void KeepToTheGivenSession();

}  // namespace app
