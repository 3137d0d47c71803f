#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "window/layout.h"

namespace window {

// What a screen reader is told after the program writes a text into a control, decided
// here once; each binding only delivers it, its platform's way. The focus is then on the
// button that was pressed, so the reader learns of the write only from this.
// - A control that announces its changes says its label's caption, then its text, as a
//   reader names a box when the focus enters it ("КПД % 75%"): the caption is which of the
//   mode's quantities the number is, and a listener cannot glance at it.
// - Every write is said, the same text again included: pressing Изчисли twice is answered
//   twice, not with silence that sounds like a fault.
// - An emptied box, or a control that announces nothing, says nothing.
// - An error says nothing here: its report opens as a dialog that the reader speaks
//   itself, title, message and consequence (window/error_report.h), and the box keeps its
//   text, so there is no write to announce.
std::optional<std::string> Announcement(const ControlLayout& control, std::string_view labelCaption,
                                        std::string_view text);

}  // namespace window
