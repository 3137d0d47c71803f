#include "app/window_icon.h"

#include <QDirIterator>
#include <QEvent>
#include <QImage>
#include <QPixmap>
#include <QResource>

namespace app {
namespace {

// Watches the window until its first paint, then hands it its icon and goes.
class IconAfterFirstPaint final : public QObject {
 public:
  explicit IconAfterFirstPaint(QWidget& window) : QObject(&window), window_(window) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && event->type() == QEvent::Paint) {
      window_.removeEventFilter(this);
      // After the frame that paint belongs to has gone to the screen.
      QMetaObject::invokeMethod(
          this,
          [this] {
            window_.setWindowIcon(WindowIcon());
            deleteLater();
          },
          Qt::QueuedConnection);
    }
    return false;
  }

 private:
  QWidget& window_;
};

}  // namespace

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

void GiveIconAfterFirstPaint(QWidget& window) { new IconAfterFirstPaint(window); }

}  // namespace app
