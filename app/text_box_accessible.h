#pragma once

#include <QAccessibleInterface>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace app {

// A box as assistive technology reads it, over the widget's public interface: its text,
// selection and caret, and editing only while it is not read-only. Qt's own boxes offer
// their text for editing even when read-only, and write whatever a screen reader sends.
QAccessibleInterface* SingleLineBoxAccessible(QLineEdit* box);
QAccessibleInterface* MultiLineBoxAccessible(QPlainTextEdit* box);

}  // namespace app
