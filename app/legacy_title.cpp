#include "app/legacy_title.h"

#include <QByteArray>
#include <QEvent>
#include <QGuiApplication>
#include <QObject>

// Xlib's macros (Bool, Status, None) after every Qt header.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace app {
namespace {

// The title from UTF-8, whatever the locale; where it cannot be written so, none, rather
// than a wrong one.
void WriteLegacyTitle(QWidget& window, Display* display) {
  QByteArray title = window.windowTitle().toUtf8();
  char* list[] = {title.data()};
  XTextProperty property{};
  const auto native = static_cast<Window>(window.winId());
  if (Xutf8TextListToTextProperty(display, list, 1, XStdICCTextStyle, &property) == Success) {
    XSetWMName(display, native, &property);
    XFree(property.value);
  } else {
    XDeleteProperty(display, native, XA_WM_NAME);
  }
  XFlush(display);
}

// Qt writes the title when it makes the native window and when the title changes; each
// event comes after, so the title written here is the last.
class LegacyTitle final : public QObject {
 public:
  LegacyTitle(QWidget& window, Display* display)
      : QObject(&window), window_(window), display_(display) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && window_.testAttribute(Qt::WA_WState_Created) &&
        (event->type() == QEvent::WinIdChange || event->type() == QEvent::WindowTitleChange ||
         event->type() == QEvent::Show)) {
      WriteLegacyTitle(window_, display_);
    }
    return false;
  }

 private:
  QWidget& window_;
  Display* display_;
};

}  // namespace

void KeepLegacyTitle(QWidget& window) {
  auto* const x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 != nullptr && x11->display() != nullptr) new LegacyTitle(window, x11->display());
}

}  // namespace app
