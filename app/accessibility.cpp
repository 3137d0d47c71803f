#include "app/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>

#include "app/form_window.h"

namespace app {
namespace {

// A single-line box over QLineEdit's public interface. Qt's own offers the box for
// editing even when it is read-only, and writes whatever a screen reader sends.
class TextBoxAccessible final : public QAccessibleWidget,
                                public QAccessibleTextInterface,
                                public QAccessibleEditableTextInterface {
 public:
  explicit TextBoxAccessible(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    // Without this interface, Qt's bridge falls back on setText, which refuses too.
    if (type == QAccessible::EditableTextInterface && !Box().isReadOnly()) {
      return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = Box().isReadOnly();
    state.editable = !state.readOnly;
    state.selectableText = true;
    return state;
  }

  QString text(QAccessible::Text kind) const override {
    return kind == QAccessible::Value ? Box().text() : QAccessibleWidget::text(kind);
  }

  void setText(QAccessible::Text kind, const QString& text) override {
    if (kind != QAccessible::Value) {
      QAccessibleWidget::setText(kind, text);
    } else if (!Box().isReadOnly()) {
      Box().setText(text);
    }
  }

  // Text.
  void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
    const bool selected = selectionIndex == 0 && Box().hasSelectedText();
    *startOffset = selected ? Box().selectionStart() : 0;
    *endOffset = selected ? Box().selectionEnd() : 0;
  }
  int selectionCount() const override { return Box().hasSelectedText() ? 1 : 0; }
  void addSelection(int startOffset, int endOffset) override {
    setSelection(0, startOffset, endOffset);
  }
  void removeSelection(int selectionIndex) override {
    if (selectionIndex == 0) Box().deselect();
  }
  void setSelection(int selectionIndex, int startOffset, int endOffset) override {
    if (selectionIndex == 0) Box().setSelection(startOffset, endOffset - startOffset);
  }
  int cursorPosition() const override { return Box().cursorPosition(); }
  void setCursorPosition(int position) override { Box().setCursorPosition(position); }
  QString text(int startOffset, int endOffset) const override {
    if (startOffset > endOffset) return {};
    return Box().text().mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(Box().text().size()); }
  QRect characterRect(int offset) const override {
    const QString characters = Box().text();
    if (offset < 0 || offset >= characters.size()) return {};
    // Measured from the cursor, which Qt places with the box's alignment and scrolling.
    const QFontMetrics metrics(Box().font());
    const QRect cursor = Box().inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int x = cursor.x() + metrics.horizontalAdvance(characters.left(offset)) -
                  metrics.horizontalAdvance(characters.left(Box().cursorPosition()));
    const QRect rect(x, cursor.y(), metrics.horizontalAdvance(characters.at(offset)),
                     cursor.height());
    return {Box().mapToGlobal(rect.topLeft()), rect.size()};
  }
  int offsetAtPoint(const QPoint& point) const override {
    return Box().cursorPositionAt(Box().mapFromGlobal(point));
  }
  void scrollToSubstring(int startIndex, int endIndex) override {
    Box().setCursorPosition(endIndex);
    Box().setCursorPosition(startIndex);
  }
  QString attributes(int offset, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = offset;
    return {};
  }

  // Editable text, offered only while the box is not locked; the box's length limit holds.
  void deleteText(int startOffset, int endOffset) override {
    Box().setText(Box().text().remove(startOffset, endOffset - startOffset));
  }
  void insertText(int offset, const QString& text) override {
    Box().setText(Box().text().insert(offset, text));
  }
  void replaceText(int startOffset, int endOffset, const QString& text) override {
    Box().setText(Box().text().replace(startOffset, endOffset - startOffset, text));
  }

 private:
  QLineEdit& Box() const { return *static_cast<QLineEdit*>(widget()); }
};

QAccessibleInterface* CreateAccessible(const QString& /*className*/, QObject* object) {
  // Qt's own would call a top-level QWidget a filler.
  if (auto* form = dynamic_cast<FormWindow*>(object)) {
    return new QAccessibleWidget(form, QAccessible::Window);
  }
  if (auto* box = qobject_cast<QLineEdit*>(object)) return new TextBoxAccessible(box);
  return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() { QAccessible::installFactory(CreateAccessible); }

}  // namespace app
