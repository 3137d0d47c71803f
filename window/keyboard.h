#pragma once

#include "window/layout.h"

namespace window {

// Enter and keypad Enter press the focused control where it is a command button, as every
// platform's dialogs do. No button is the default one, so Enter anywhere else, and Esc
// anywhere, does nothing.
constexpr bool EnterPresses(const ControlLayout& control) {
  return control.kind == ControlKind::kCommandButton;
}

}  // namespace window
