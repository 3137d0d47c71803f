#include "app/control_widgets.h"

#include <QApplication>
#include <QColor>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <QValidator>
#include <cstddef>
#include <limits>

#include "window/character_limit.h"
#include "window/contrast.h"
#include "window/control_error.h"
#include "window/pixels.h"

namespace app {
namespace {

using window::ControlKind;
using window::ControlLayout;

// An option button answers a click anywhere on it, not only on its circle and caption; and
// an arrow key selects the button it moves to, as on Windows and in the page. Qt moves the
// selection with the focus only from a selected button: with none selected, as after start,
// the arrows would only move the focus, and the user go on in a mode never chosen.
class OptionButtonWidget final : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

 protected:
  bool hitButton(const QPoint& position) const override { return rect().contains(position); }

  void keyPressEvent(QKeyEvent* event) override {
    QRadioButton::keyPressEvent(event);
    auto* reached = qobject_cast<QRadioButton*>(QApplication::focusWidget());
    if (IsArrow(event->key()) && reached != nullptr && reached != this &&
        reached->group() == group() && !reached->isChecked()) {
      reached->click();
    }
  }

 private:
  static bool IsArrow(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
  }
};

// Holds a box to its number of characters. QLineEdit's own limit counts UTF-16 units and
// would keep half of a character outside the Basic Multilingual Plane; this sees every edit,
// typed, pasted, dropped or set, and cuts what overfills the box before the first character
// that does not fit. It refuses nothing.
class CharacterLimit final : public QValidator {
 public:
  CharacterLimit(int limit, QObject* parent)
      : QValidator(parent), limit_(static_cast<std::size_t>(limit)) {}

  State validate(QString& text, int& cursor) const override {
    // No more UTF-16 units than the limit: no more characters either.
    if (static_cast<std::size_t>(text.size()) <= limit_) return Acceptable;
    const QStringView units(text);
    const window::BoxText kept =
        window::CutToFit({units.utf16(), static_cast<std::size_t>(units.size())},
                         static_cast<std::size_t>(cursor), limit_);
    text = QString::fromUtf16(kept.text.data(), static_cast<qsizetype>(kept.text.size()));
    cursor = static_cast<int>(kept.cursor);
    return Acceptable;
  }

 private:
  std::size_t limit_;
};

// A locked box takes no text from an input method either; Qt's own would take its commit.
class SingleLineBoxWidget final : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

 protected:
  void inputMethodEvent(QInputMethodEvent* event) override {
    if (isReadOnly()) {
      event->ignore();
      return;
    }
    QLineEdit::inputMethodEvent(event);
  }
};

// Widgets are made inside their container, so that they never lay out text in any font
// but the window's.

QWidget* CreateTextBox(const ControlLayout& control, QWidget& container) {
  if (control.multiLine) {
    auto* box = new QPlainTextEdit(&container);
    box->setReadOnly(control.locked);
    if (control.locked) {
      box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    box->setTabChangesFocus(true);
    box->setFocusPolicy(Qt::StrongFocus);
    box->setVerticalScrollBarPolicy(control.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                              : Qt::ScrollBarAsNeeded);
    return box;
  }
  auto* box = new SingleLineBoxWidget(&container);
  // Qt's own limit stays out of the way: a box's limit is in characters.
  box->setMaxLength(std::numeric_limits<int>::max());
  if (control.maxLength > 0) box->setValidator(new CharacterLimit(control.maxLength, box));
  box->setReadOnly(control.locked);
  if (control.centred) box->setAlignment(Qt::AlignCenter);
  return box;
}

QWidget* CreateLabel(const ControlLayout& control, QWidget& container) {
  auto* label = new QLabel(&container);
  label->setAlignment((control.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
  label->setWordWrap(true);
  return label;
}

QWidget* CreateCommandButton(QWidget& container) {
  auto* button = new QPushButton(&container);
  // Neither button answers Enter.
  button->setAutoDefault(false);
  return button;
}

QWidget* CreateWidget(const ControlLayout& control, QWidget& container) {
  switch (control.kind) {
    case ControlKind::kTextBox:
      return CreateTextBox(control, container);
    case ControlKind::kLabel:
      return CreateLabel(control, container);
    case ControlKind::kOptionButton:
      return new OptionButtonWidget(&container);
    case ControlKind::kCommandButton:
      return CreateCommandButton(container);
    case ControlKind::kFrame:
      break;
  }
  // A frame without border or caption is a plain container.
  return new QWidget(&container);
}

// The text the control opens with, set once its size is known, so that it is laid out once.
void SetText(QWidget& widget, QString text) {
  if (auto* box = qobject_cast<QPlainTextEdit*>(&widget)) {
    // A lone CR would start a block of its own; the box keeps lines apart by LF.
    box->document()->setPlainText(text.replace(QLatin1String("\r\n"), QLatin1String("\n")));
  } else if (auto* line = qobject_cast<QLineEdit*>(&widget)) {
    line->setText(text);
  } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
    label->setText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
    button->setText(text);
  }
}

}  // namespace

QColor ToColor(window::Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }

window::Rgb ToRgb(const QColor& colour) {
  return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
          static_cast<std::uint8_t>(colour.blue())};
}

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect LogicalRect(const window::ControlLayout& control) {
  const window::PixelRect pixels = window::ControlPixels(control);
  return {pixels.left, pixels.top, pixels.width, pixels.height};
}

void Paint(QWidget& widget, window::Rgb rgb) {
  QPalette palette = widget.palette();
  palette.setColor(widget.backgroundRole(), ToColor(rgb));
  // The desktop's text colour where it reads on the layout's colour; where it does not (a
  // dark palette's light text on a pastel face), black or white, whichever reads better.
  // What stands on the widget without a colour of its own inherits it.
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    const QColor desktop = palette.color(group, widget.foregroundRole());
    palette.setColor(group, widget.foregroundRole(),
                     ToColor(window::LegibleOn(rgb, ToRgb(desktop), window::kReadableText)));
  }
  widget.setPalette(palette);
  // A command button draws its own face in the colour; the rest fill their rectangle.
  widget.setAutoFillBackground(qobject_cast<QPushButton*>(&widget) == nullptr);
}

QWidget* CreateControl(const ControlLayout& control, QWidget& container) {
  QWidget* const widget = CreateWidget(control, container);
  widget->setObjectName(QString::fromStdString(window::ControlNameOf(control)));
  widget->setGeometry(LogicalRect(control));
  if (control.background) Paint(*widget, *control.background);
  if (!control.accessibleName.empty()) widget->setAccessibleName(FromUtf8(control.accessibleName));
  if (!control.visible) widget->hide();
  if (!control.text.empty() && control.kind != ControlKind::kFrame) {
    SetText(*widget, FromUtf8(control.text));
  }
  return widget;
}

}  // namespace app
