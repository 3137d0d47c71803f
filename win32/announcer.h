#pragma once

#include <windows.h>

#include <string_view>

namespace win32 {

// What the window says to a screen reader without moving the focus: a static text of no
// size, never drawn and never reached by the keyboard, that is named by the announcement
// at the moment it raises a live-region change. NVDA speaks the name of the object that
// raised the event, and Narrator that of the live element; a box named by its label would
// have them say the label. It is shown, though of no size: a hidden window is left out of
// what UI Automation offers Narrator.
HWND CreateAnnouncer(HWND window);

// Gives the window's announcer the words and has screen readers speak them.
void Announce(HWND window, std::string_view words);

}  // namespace win32
