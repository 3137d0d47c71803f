#include "web/control_elements.h"

#include "web/page_dom.h"
#include "window/control_error.h"
#include "window/pixels.h"

namespace web {
namespace {

using window::ControlKind;
using window::ControlLayout;

// Plain elements for plain controls; a frame without border or caption is a plain container.
std::string_view TagOf(const ControlLayout& control) {
  switch (control.kind) {
    case ControlKind::kTextBox:
      return control.multiLine ? "textarea" : "input";
    case ControlKind::kLabel:
      return "label";
    case ControlKind::kOptionButton:
      return "radio";
    case ControlKind::kCommandButton:
      return "button";
    case ControlKind::kFrame:
      break;
  }
  return "div";
}

void Place(const std::string& id, const ControlLayout& control) {
  const window::PixelRect pixels = window::ControlPixels(control);
  dom::SetStyle(id, "left", CssPixels(pixels.left));
  dom::SetStyle(id, "top", CssPixels(pixels.top));
  dom::SetStyle(id, "width", CssPixels(pixels.width));
  dom::SetStyle(id, "height", CssPixels(pixels.height));
}

// A box of one line takes what the user types as typed: on a phone the ordinary text
// keyboard (a regional numeric pad offers "," which ends a number), no capitals, no
// corrections, and nothing offered from earlier pages.
void FurnishLineBox(const std::string& id) {
  dom::SetAttribute(id, "inputmode", "text");
  dom::SetAttribute(id, "autocomplete", "off");
  dom::SetAttribute(id, "autocapitalize", "off");
  dom::SetAttribute(id, "autocorrect", "off");
  dom::SetAttribute(id, "spellcheck", "false");
}

void FurnishBox(const std::string& id, const ControlLayout& control) {
  if (!control.multiLine) FurnishLineBox(id);
  dom::SetFlag(id, "readOnly", control.locked);
  if (control.verticalScrollBar) dom::SetStyle(id, "overflow-y", "scroll");
}

}  // namespace

std::string CssPixels(int pixels) { return std::to_string(pixels) + "px"; }

std::string CssColour(window::Rgb rgb) {
  return "rgb(" + std::to_string(rgb.red) + "," + std::to_string(rgb.green) + "," +
         std::to_string(rgb.blue) + ")";
}

std::string MakeElement(const ControlLayout& control, std::string_view container) {
  std::string id = window::ControlNameOf(control);
  dom::Make(TagOf(control), id, container);
  Place(id, control);
  if (control.background) dom::SetStyle(id, "background-color", CssColour(*control.background));
  if (control.centred) dom::SetStyle(id, "text-align", "center");
  if (control.kind == ControlKind::kTextBox) FurnishBox(id, control);
  // The options of one container are one group, and assistive technology is told so.
  if (control.kind == ControlKind::kOptionButton) {
    dom::SetAttribute(container, "role", "radiogroup");
  }
  // A frame's caption is never drawn.
  if (!control.text.empty() && control.kind != ControlKind::kFrame) dom::SetText(id, control.text);
  if (control.kind == ControlKind::kTextBox) dom::ShowStart(id);
  if (!control.accessibleName.empty()) dom::SetAttribute(id, "aria-label", control.accessibleName);
  if (control.announcesChanges) dom::SetAttribute(id, "aria-live", "polite");
  if (!control.visible) dom::SetFlag(id, "hidden", true);
  return id;
}

}  // namespace web
