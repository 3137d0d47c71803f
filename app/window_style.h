#pragma once

namespace app {

// Sets the application's style: one that draws every colour of the layout as given.
void InstallWindowStyle();

}  // namespace app
