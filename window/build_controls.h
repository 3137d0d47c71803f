#pragma once

#include <map>
#include <string_view>

#include "window/layout.h"

namespace window {

// Makes every control of the window in tab order, each inside its container: the window
// itself, or a frame made before it. `make(control, container)` returns the new control's
// handle, which stands as the container of the controls laid out in it.
template <typename Handle, typename Make>
void BuildControls(Handle window, Make make) {
  std::map<std::string_view, Handle> containers = {{std::string_view(), window}};
  for (const ControlLayout& control : MainWindowControls()) {
    const Handle handle = make(control, containers.at(control.container));
    if (control.kind == ControlKind::kFrame) containers.emplace(control.name, handle);
  }
}

}  // namespace window
