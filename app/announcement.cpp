#include "app/announcement.h"

#include <QAccessible>
#include <QLabel>
#include <optional>
#include <string>

#include "window/announcement.h"
#include "window/control_error.h"

namespace app {
namespace {

// The caption of the label that names the box, as the window shows it now.
std::string LabelCaption(const window::ControlLayout& control, const QLineEdit& box) {
  if (!control.labelledBy) return {};
  const QString name = QString::fromStdString(
      window::ElementName(control.labelledBy->name, control.labelledBy->index));
  const auto* label = box.window()->findChild<QLabel*>(name);
  return label == nullptr ? std::string() : label->text().toStdString();
}

}  // namespace

Announcement::Announcement(QWidget& window) : QWidget(&window) { hide(); }

void Announcement::Raise(const QString& text) {
  setAccessibleName(text);
  QAccessibleEvent shown(this, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

void AnnounceWrittenText(const window::ControlLayout& control, QLineEdit& box) {
  const std::optional<std::string> words =
      window::Announcement(control, LabelCaption(control, box), box.text().toStdString());
  if (!words) return;
  QWidget& window = *box.window();
  auto* announcement = window.findChild<Announcement*>(QString(), Qt::FindDirectChildrenOnly);
  if (announcement == nullptr) announcement = new Announcement(window);
  announcement->Raise(QString::fromStdString(*words));
}

}  // namespace app
