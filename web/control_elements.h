#pragma once

#include <string>
#include <string_view>

#include "window/layout.h"

namespace web {

// Makes the page's element for one control from its layout record, inside its container's
// element, and returns its id: the control's name.
std::string MakeElement(const window::ControlLayout& control, std::string_view container);

// A length in CSS pixels, as a style property takes it.
std::string CssPixels(int pixels);

std::string CssColour(window::Rgb rgb);

}  // namespace web
