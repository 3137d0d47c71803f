#include "app/window_style.h"

#include <qdrawutil.h>

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace app {
namespace {

// Fusion, but with command buttons drawn as a raised panel whose face is exactly the
// button colour; Fusion itself would lighten and desaturate it.
class WindowStyle final : public QProxyStyle {
 public:
  WindowStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element != PE_PanelButtonCommand) {
      QProxyStyle::drawPrimitive(element, option, painter, widget);
      return;
    }
    const bool sunken = (option->state & (State_Sunken | State_On)) != 0;
    const QBrush face = option->palette.button();
    qDrawWinButton(painter, option->rect, option->palette, sunken, &face);
  }
};

}  // namespace

void InstallWindowStyle() { QApplication::setStyle(new WindowStyle); }

}  // namespace app
