#pragma once

#include <QLineEdit>
#include <QWidget>

#include "window/layout.h"

namespace app {

// The window's notification, which a screen reader speaks as it is raised; it is never
// drawn. Qt 6.4 has no announcement of its own, and Debian 12's Orca presents no change
// away from the focus but a notification that shows.
class Announcement final : public QWidget {
  Q_OBJECT

 public:
  explicit Announcement(QWidget& window);
  void Raise(const QString& text);
};

// Tells the screen reader what window::Announcement says of the text just written into the
// box, named by the label it has as its buddy.
void AnnounceWrittenText(const window::ControlLayout& control, QLineEdit& box);

}  // namespace app
