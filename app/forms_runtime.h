#pragma once

namespace app {

// Starts the program: builds the window, raises its Load event, shows it and delivers
// its events until the user closes it. Returns the exit status.
int Run(int argc, char** argv);

}  // namespace app
