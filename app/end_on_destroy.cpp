#include "app/end_on_destroy.h"

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QObject>
#include <cstdlib>

namespace app {
namespace {

// Owned by the window; removes itself from the application when destroyed.
class DestroyWatch final : public QObject, public QAbstractNativeEventFilter {
 public:
  explicit DestroyWatch(QWidget& form) : QObject(&form), window_(form.winId()) {
    QCoreApplication::instance()->installNativeEventFilter(this);
  }

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* /*result*/) override {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    // The top bit marks an event another client sent; a destruction is the server's own.
    if (event->response_type == XCB_DESTROY_NOTIFY &&
        static_cast<const xcb_destroy_notify_event_t*>(message)->window == window_) {
      QCoreApplication::exit(EXIT_SUCCESS);
    }
    return false;
  }

 private:
  WId window_;
};

}  // namespace

void EndOnDestroy(QWidget& form) { new DestroyWatch(form); }

}  // namespace app
