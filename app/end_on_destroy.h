#pragma once

#include <QAbstractNativeEventFilter>
#include <QWidget>

namespace app {

// Ends the program when another client destroys the window on X11, as closing it does;
// the toolkit itself would go on with no window at all.
class EndOnDestroy final : public QAbstractNativeEventFilter {
 public:
  // Watches the window from now on, until this is destroyed.
  explicit EndOnDestroy(QWidget& window);

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  WId window_;
};

}  // namespace app
