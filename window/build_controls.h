#pragma once

#include <map>
#include <string>

#include "window/control_error.h"
#include "window/layout.h"

namespace window {

// Makes every control of the window in tab order, each inside its container: the window
// itself, or a frame made before it. `make(control, container)` returns the new control's
// handle. `name(label, box)` is called for each box that a label names, as the box is made.
template <typename Handle, typename Make, typename Name>
void BuildControls(Handle form, Make make, Name name) {
  std::map<std::string, Handle> made = {{std::string(), form}};
  for (const ControlLayout& control : MainWindowControls()) {
    const Handle handle = make(control, made.at(std::string(control.container)));
    if (control.labelledBy) {
      name(made.at(ElementName(control.labelledBy->name, control.labelledBy->index)), handle);
    }
    made.emplace(ControlNameOf(control), handle);
  }
}

template <typename Handle, typename Make>
void BuildControls(Handle form, Make make) {
  BuildControls(form, make, [](Handle, Handle) {});
}

}  // namespace window
