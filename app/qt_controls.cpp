#include "app/qt_controls.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QPixmap>

#include "app/announcement.h"
#include "app/control_widgets.h"
#include "window/control_error.h"

namespace app {
template <typename Widget>
Widget& QtControl<Widget>::Checked() const {
  if (widget_.isNull()) throw window::NoSuchControl(name_, index_);
  return *widget_;
}

template <typename Widget>
void QtControl<Widget>::Expect(bool taken, std::string_view property) const {
  if (!taken) throw window::PropertyRejected(name_, index_, property);
}

std::string QtTextBox::Text() const { return Checked().text().toStdString(); }

template <typename Widget>
void QtControl<Widget>::SetTextChecked(std::string_view text, std::string_view property) {
  Widget& widget = Checked();
  const QString value = FromUtf8(text);
  widget.setText(value);
  // A box with a length limit, say, would cut a longer text short without a word.
  Expect(widget.text() == value, property);
}

// A text the program writes is read from its start: a long result shows its sign and first
// digits, not its end. The box scrolls only as it paints, from the offset of its last paint,
// and would align a text narrower than that offset to the right; so one paint that nobody
// sees brings the offset within the new text first.
void QtTextBox::SetText(std::string_view text) {
  SetTextChecked(text, "Text");
  QLineEdit& box = Checked();
  box.setCursorPosition(0);
  QPixmap scratch(box.size());
  box.render(&scratch);
  AnnounceWrittenText(box);
}

void QtTextBox::SetLocked(bool locked) {
  QLineEdit& box = Checked();
  box.setReadOnly(locked);
  Expect(box.isReadOnly() == locked, "Locked");
}

void QtLabel::SetCaption(std::string_view caption) {
  SetTextChecked(caption, "Caption");
  // The box this label names is renamed with it; a screen reader that keeps names is told.
  if (QWidget* const box = Checked().buddy()) {
    QAccessibleEvent renamed(box, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
  }
}

void QtOptionButton::SetCaption(std::string_view caption) { SetTextChecked(caption, "Caption"); }

void QtOptionButton::SetValue(bool value) {
  QRadioButton& button = Checked();
  // An exclusive group refuses to leave no button selected, so it lets go for the moment.
  QButtonGroup* const group = button.group();
  const bool release = !value && group != nullptr && group->exclusive();
  if (release) group->setExclusive(false);
  button.setChecked(value);
  if (release) group->setExclusive(true);
  Expect(button.isChecked() == value, "Value");
}

}  // namespace app
