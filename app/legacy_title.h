#pragma once

#include <QWidget>

namespace app {

// Keeps the window's X11 WM_NAME, which older tools and window managers read, the same
// title as _NET_WM_NAME. Qt writes it through the locale's encoding, so that under a locale
// that is not UTF-8 (C, POSIX, Latin-1) a Cyrillic title comes out as mojibake; here it is
// written from UTF-8, as Latin-1 or compound text, as ICCCM has it. Nothing elsewhere.
void KeepLegacyTitle(QWidget& window);

}  // namespace app
