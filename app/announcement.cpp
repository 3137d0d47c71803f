#include "app/announcement.h"

#include <QAccessible>

namespace app {

Announcement::Announcement(QWidget& window) : QWidget(&window) { hide(); }

void Announcement::Raise(const QString& text) {
  setAccessibleName(text);
  QAccessibleEvent shown(this, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

void AnnounceWrittenText(QLineEdit& box) {
  if (box.hasFocus() || box.text().isEmpty()) return;
  QWidget& window = *box.window();
  auto* announcement = window.findChild<Announcement*>(QString(), Qt::FindDirectChildrenOnly);
  if (announcement == nullptr) announcement = new Announcement(window);
  announcement->Raise(box.text());
}

}  // namespace app
