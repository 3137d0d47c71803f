#include "app/qt_controls.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QFont>
#include <QFontMetrics>
#include <QPixmap>

#include "app/announcement.h"
#include "app/control_widgets.h"
#include "window/fitted_caption.h"

namespace app {
namespace {

// The label's caption in the window's font, in a smaller size where it would not fit the
// label on one line at the window's.
void FitCaption(QLabel& label) {
  QFont font = label.parentWidget()->font();
  const QString caption = label.text();
  const int size =
      window::FittedPointSize(font.pointSize(), label.contentsRect().width(), [&](int pointSize) {
        font.setPointSize(pointSize);
        return QFontMetrics(font).horizontalAdvance(caption);
      });
  font.setPointSize(size);
  label.setFont(font);
}

}  // namespace

template <typename Widget>
Widget& QtControl<Widget>::Existing() const {
  if (widget_.isNull()) Missing();
  return *widget_;
}

std::string QtTextBox::Text() const { return Existing().text().toStdString(); }

template <typename Widget>
void QtControl<Widget>::SetTextChecked(std::string_view text, std::string_view property) {
  Widget& widget = Existing();
  const QString value = FromUtf8(text);
  widget.setText(value);
  // A box with a length limit, say, would cut a longer text short without a word.
  Expect(widget.text() == value, property);
}

// A text the program writes is read from its start: a long result shows its sign and first
// digits, not its end. The box scrolls only as it paints, from the offset of its last paint,
// and would align a text narrower than that offset to the right; so one paint that nobody
// sees brings the offset within the new text first. A box not shown yet has never scrolled.
void QtTextBox::SetText(std::string_view text) {
  SetTextChecked(text, "Text");
  QLineEdit& box = Existing();
  box.setCursorPosition(0);
  if (box.isVisible()) {
    QPixmap scratch(box.size());
    box.render(&scratch);
  }
  AnnounceWrittenText(Layout(), box);
}

void QtTextBox::SetLocked(bool locked) {
  QLineEdit& box = Existing();
  box.setReadOnly(locked);
  Expect(box.isReadOnly() == locked, "Locked");
}

void QtLabel::SetCaption(std::string_view caption) {
  SetTextChecked(caption, "Caption");
  FitCaption(Existing());
  // The box this label names is renamed with it; a screen reader that keeps names is told.
  if (QWidget* const box = Existing().buddy()) {
    QAccessibleEvent renamed(box, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
  }
}

void QtOptionButton::SetCaption(std::string_view caption) { SetTextChecked(caption, "Caption"); }

void QtOptionButton::SetValue(bool value) {
  QRadioButton& button = Existing();
  // An exclusive group refuses to leave no button selected, so it lets go for the moment.
  QButtonGroup* const group = button.group();
  const bool release = !value && group != nullptr && group->exclusive();
  if (release) group->setExclusive(false);
  button.setChecked(value);
  if (release) group->setExclusive(true);
  Expect(button.isChecked() == value, "Value");
}

}  // namespace app
