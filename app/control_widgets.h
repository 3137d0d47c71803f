#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <string_view>

#include "window/layout.h"

namespace app {

QString FromUtf8(std::string_view text);

// Layout twips to logical pixels; Qt's high-DPI scaling takes it on from there.
QRect LogicalRect(const window::ControlLayout& control);

// Builds one control from its layout record, inside its container.
QWidget* CreateControl(const window::ControlLayout& control, QWidget& container);

QColor ToColor(window::Rgb rgb);
window::Rgb ToRgb(const QColor& colour);

// Gives the widget its background colour, in the role it draws its background with, and a
// text colour that reads on it.
void Paint(QWidget& widget, window::Rgb rgb);

}  // namespace app
