#include "app/window_icon.h"

#include <QDirIterator>
#include <QImage>
#include <QPixmap>
#include <QResource>

namespace app {

QIcon WindowIcon() {
  QIcon icon;
  QDirIterator sizes(QStringLiteral(":/icons/window"));
  while (sizes.hasNext()) {
    const QResource pixels(sizes.next());
    const int side = pixels.fileName().section(QLatin1Char('/'), -1).toInt();
    const QByteArray bytes = pixels.uncompressedData();
    if (side <= 0 || bytes.size() != qsizetype{side} * side * 4) continue;
    // The pixmap takes a copy, in the format it draws with.
    icon.addPixmap(QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(bytes.constData()),
                                             side, side, QImage::Format_RGBA8888)));
  }
  return icon;
}

}  // namespace app
