#include "app/window_style.h"

#include <qdrawutil.h>

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace app {
namespace {

// How far inside a command button's edge its focus mark runs: clear of the two-pixel
// bevel, around the caption.
constexpr int kFocusMarkInset = 4;

// Fusion, but with command buttons drawn as a raised panel whose face is exactly the
// button colour, and a dotted focus mark inside the face; Fusion itself would lighten and
// desaturate the face, and tint it on focus.
class WindowStyle final : public QProxyStyle {
 public:
  WindowStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element == PE_PanelButtonCommand) {
      const bool sunken = (option->state & (State_Sunken | State_On)) != 0;
      const QBrush face = option->palette.button();
      qDrawWinButton(painter, option->rect, option->palette, sunken, &face);
    } else {
      QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
  }

  // Fusion marks a focused button only by tinting its face, so the mark is drawn here.
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && (option->state & State_HasFocus) != 0) {
      DrawFocusMark(*painter, subElementRect(SE_PushButtonFocusRect, option, widget),
                    option->palette.buttonText().color());
    }
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
  // Every other pixel of the rectangle's outline, in the caption's colour, which stands
  // out on any face the layout gives a button.
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
