#include "app/window_style.h"

#include <qdrawutil.h>

#include <QApplication>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include "app/control_widgets.h"
#include "window/contrast.h"

namespace app {
namespace {

// How far inside a command button's edge its focus mark runs: clear of the two-pixel
// bevel, around the caption.
constexpr int kFocusMarkInset = 4;

// The caption's colour where it stands out enough from the face as a focus mark; black or
// white where it does not (a dark scheme's light text on a pastel face).
QColor MarkColour(const QColor& face, const QColor& caption) {
  return ToColor(window::LegibleOn(ToRgb(face), ToRgb(caption), window::kVisibleMark));
}

// Fusion, but with command buttons drawn as a raised panel whose face is exactly the
// button colour, and focus marks that are seen on every control: a dotted one inside a
// command button's face and around an option button's caption, and a two-ringed focused
// frame around every box, the help text included. Fusion itself would lighten and
// desaturate a button's face and tint it on focus, mark an option in pale blue on its colour
// (1.5:1), a box in one blue ring lost on a dark field, and the help text not at all.
class WindowStyle final : public QProxyStyle {
 public:
  WindowStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element == PE_PanelButtonCommand) {
      const bool sunken = (option->state & (State_Sunken | State_On)) != 0;
      const QBrush face = option->palette.button();
      qDrawWinButton(painter, option->rect, option->palette, sunken, &face);
    } else if (element == PE_FrameFocusRect) {
      DrawFocusMark(
          *painter, option->rect,
          MarkColour(option->palette.window().color(), option->palette.windowText().color()));
    } else if (element == PE_Frame && (option->state & State_HasFocus) != 0 &&
               qobject_cast<const QPlainTextEdit*>(widget) != nullptr) {
      drawPrimitive(PE_FrameLineEdit, option, painter, widget);
    } else if (element == PE_FrameLineEdit && (option->state & State_HasFocus) != 0) {
      QProxyStyle::drawPrimitive(element, option, painter, widget);
      DrawBoxFocusFrame(*painter, option->rect, option->palette);
    } else {
      QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
  }

  // Fusion marks a focused button only by tinting its face, so the mark is drawn here.
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && (option->state & State_HasFocus) != 0) {
      DrawFocusMark(
          *painter, subElementRect(SE_PushButtonFocusRect, option, widget),
          MarkColour(option->palette.button().color(), option->palette.buttonText().color()));
    }
  }

  // The help text's frame is as wide as a box's, room for both rings of its focused frame.
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_DefaultFrameWidth && qobject_cast<const QPlainTextEdit*>(widget) != nullptr) {
      return 2;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
  }

  QRect subElementRect(SubElement element, const QStyleOption* option,
                       const QWidget* widget) const override {
    if (element == SE_PushButtonFocusRect) {
      return option->rect.adjusted(kFocusMarkInset, kFocusMarkInset, -kFocusMarkInset,
                                   -kFocusMarkInset);
    }
    return QProxyStyle::subElementRect(element, option, widget);
  }

 private:
  // A box's focused frame stands between two colours, the one it stands on outside and its
  // field inside (dark in a dark palette, on a pastel window): an outer ring that is seen on
  // the one, and an inner ring seen on the other.
  static void DrawBoxFocusFrame(QPainter& painter, const QRect& rect, const QPalette& palette) {
    const QColor highlight = palette.highlight().color().darker(125);
    DrawRing(painter, rect, MarkColour(palette.window().color(), highlight));
    DrawRing(painter, rect.adjusted(1, 1, -1, -1), MarkColour(palette.base().color(), highlight));
  }

  static void DrawRing(QPainter& painter, const QRect& rect, const QColor& colour) {
    painter.fillRect(rect.left(), rect.top(), rect.width(), 1, colour);
    painter.fillRect(rect.left(), rect.bottom(), rect.width(), 1, colour);
    painter.fillRect(rect.left(), rect.top(), 1, rect.height(), colour);
    painter.fillRect(rect.right(), rect.top(), 1, rect.height(), colour);
  }

  // Every other pixel of the rectangle's outline.
  static void DrawFocusMark(QPainter& painter, const QRect& rect, const QColor& colour) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (int x = rect.left(); x <= rect.right(); x += 2) {
      painter.drawRect(x, rect.top(), 1, 1);
      painter.drawRect(x, rect.bottom(), 1, 1);
    }
    for (int y = rect.top(); y <= rect.bottom(); y += 2) {
      painter.drawRect(rect.left(), y, 1, 1);
      painter.drawRect(rect.right(), y, 1, 1);
    }
    painter.restore();
  }
};

}  // namespace

void InstallWindowStyle() { QApplication::setStyle(new WindowStyle); }

}  // namespace app
