#include "app/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/announcement.h"
#include "app/form_window.h"
#include "app/text_box_accessible.h"

namespace app {
namespace {

QAccessibleInterface* CreateAccessible(const QString& /*className*/, QObject* object) {
  // Qt's own would call a top-level QWidget a filler.
  if (auto* form = dynamic_cast<FormWindow*>(object)) {
    return new QAccessibleWidget(form, QAccessible::Window);
  }
  if (auto* box = qobject_cast<QLineEdit*>(object)) return SingleLineBoxAccessible(box);
  if (auto* box = qobject_cast<QPlainTextEdit*>(object)) return MultiLineBoxAccessible(box);
  if (auto* announcement = qobject_cast<Announcement*>(object)) {
    return new QAccessibleWidget(announcement, QAccessible::Notification);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() { QAccessible::installFactory(CreateAccessible); }

}  // namespace app
