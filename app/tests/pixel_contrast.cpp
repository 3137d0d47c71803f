#include "app/tests/pixel_contrast.h"

#include <algorithm>
#include <map>

#include "app/control_widgets.h"
#include "window/contrast.h"

namespace app_test {

double Contrast(const QColor& first, const QColor& second) {
  return window::ContrastRatio(app::ToRgb(first), app::ToRgb(second));
}

TextReading ReadText(const QImage& area) {
  std::map<QRgb, int> counts;
  for (int y = 0; y < area.height(); ++y) {
    for (int x = 0; x < area.width(); ++x) ++counts[area.pixel(x, y)];
  }
  const QColor background =
      std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
        return a.second < b.second;
      })->first;
  double best = 1;
  for (const auto& [colour, count] : counts) best = std::max(best, Contrast(colour, background));
  return {best, background};
}

QMargins NoTextEdge(const window::ControlLayout& control, const QStyle& style) {
  constexpr int kFrame = 3;
  constexpr int kBevel = 5;
  switch (control.kind) {
    case window::ControlKind::kOptionButton:
      return {style.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                  style.pixelMetric(QStyle::PM_RadioButtonLabelSpacing),
              0, 0, 0};
    case window::ControlKind::kTextBox:
      return {
          kFrame, kFrame,
          kFrame + (control.verticalScrollBar ? style.pixelMetric(QStyle::PM_ScrollBarExtent) : 0),
          kFrame};
    case window::ControlKind::kCommandButton:
      return {kBevel, kBevel, kBevel, kBevel};
    case window::ControlKind::kLabel:
    case window::ControlKind::kFrame:
      break;
  }
  return {};
}

QRect InWindow(const window::ControlLayout& control) {
  QRect rect = app::LogicalRect(control);
  for (const window::ControlLayout& container : window::MainWindowControls()) {
    if (container.name == control.container) rect.translate(app::LogicalRect(container).topLeft());
  }
  return rect;
}

int SeenMarkPixels(const QImage& before, const QImage& after) {
  const auto changed = [&](int x, int y) { return after.pixel(x, y) != before.pixel(x, y); };
  int seen = 0;
  for (int y = 1; y + 1 < after.height(); ++y) {
    for (int x = 1; x + 1 < after.width(); ++x) {
      if (!changed(x, y)) continue;
      bool beside = false;
      bool standsOut = true;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          if (changed(x + dx, y + dy)) continue;
          beside = true;
          standsOut =
              standsOut && Contrast(after.pixelColor(x, y), after.pixelColor(x + dx, y + dy)) >=
                               window::kVisibleMark;
        }
      }
      if (beside && standsOut) ++seen;
    }
  }
  return seen;
}

}  // namespace app_test
