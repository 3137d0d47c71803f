#pragma once

#include <QLineEdit>
#include <QWidget>

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

// Announces the text the program has just written into a box, unless the focus is in that
// box, where the screen reader reads the change itself, or the box is emptied.
void AnnounceWrittenText(QLineEdit& box);

}  // namespace app
