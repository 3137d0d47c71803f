#include "app/window_font.h"

#include <QFontDatabase>
#include <QStringList>

#include "app/control_widgets.h"

namespace app {
namespace {

// Families with the same metrics as Times New Roman, as fontconfig's aliases list them.
const QStringList kTimesNewRomanTwins = {QStringLiteral("Liberation Serif"),
                                         QStringLiteral("Tinos")};

QString InstalledFamily(const QString& family) {
  const QStringList installed = QFontDatabase::families();
  if (installed.contains(family)) return family;
  if (family == QLatin1String("Times New Roman")) {
    for (const QString& twin : kTimesNewRomanTwins) {
      if (installed.contains(twin)) return twin;
    }
  }
  return family;
}

}  // namespace

QFont WindowFont(const window::FontLayout& layout) {
  QFont font(InstalledFamily(FromUtf8(layout.family)), layout.pointSize);
  font.setWeight(QFont::Weight(layout.weight));
  font.setItalic(layout.italic);
  font.setUnderline(layout.underline);
  font.setStyleHint(QFont::Serif);
  return font;
}

}  // namespace app
