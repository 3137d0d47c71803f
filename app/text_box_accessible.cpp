#include "app/text_box_accessible.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <tuple>
#include <utility>

namespace app {
namespace {

// The text interfaces and state of a box, over a few primitives that each kind of box
// answers with its widget's own calls. Offsets count UTF-16 units, as Qt's do.
class BoxAccessible : public QAccessibleWidget,
                      public QAccessibleTextInterface,
                      public QAccessibleEditableTextInterface {
 public:
  explicit BoxAccessible(QWidget* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    // Without this interface, Qt's bridge falls back on setText, which refuses too.
    if (type == QAccessible::EditableTextInterface && !ReadOnly()) {
      return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = ReadOnly();
    state.editable = !state.readOnly;
    state.selectableText = true;
    state.multiLine = MultiLine();
    return state;
  }

  QString text(QAccessible::Text kind) const override {
    return kind == QAccessible::Value ? Contents() : QAccessibleWidget::text(kind);
  }

  void setText(QAccessible::Text kind, const QString& text) override {
    if (kind != QAccessible::Value) {
      QAccessibleWidget::setText(kind, text);
    } else if (!ReadOnly()) {
      Replace(0, characterCount(), text);
    }
  }

  // Text.
  void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
    const auto [start, end] = Selection();
    const bool selected = selectionIndex == 0 && start != end;
    *startOffset = selected ? start : 0;
    *endOffset = selected ? end : 0;
  }
  int selectionCount() const override {
    const auto [start, end] = Selection();
    return start != end ? 1 : 0;
  }
  void addSelection(int startOffset, int endOffset) override {
    setSelection(0, startOffset, endOffset);
  }
  // Placing the caret where it is lets go of the selection.
  void removeSelection(int selectionIndex) override {
    if (selectionIndex == 0) SetCursor(Cursor());
  }
  void setSelection(int selectionIndex, int startOffset, int endOffset) override {
    if (selectionIndex == 0) Select(startOffset, endOffset);
  }
  int cursorPosition() const override { return Cursor(); }
  void setCursorPosition(int position) override { SetCursor(position); }
  QString text(int startOffset, int endOffset) const override {
    if (startOffset > endOffset) return {};
    return Contents().mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(Contents().size()); }
  QRect characterRect(int offset) const override {
    if (offset < 0 || offset >= characterCount()) return {};
    return CharacterRect(offset);
  }
  int offsetAtPoint(const QPoint& point) const override { return OffsetAt(point); }
  // The caret passes the end first, so that the start is in view with as much after it.
  void scrollToSubstring(int startIndex, int endIndex) override {
    SetCursor(endIndex);
    SetCursor(startIndex);
  }
  QString attributes(int offset, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = offset;
    return {};
  }

  // Editable text, offered only while the box is not read-only.
  void deleteText(int startOffset, int endOffset) override { Replace(startOffset, endOffset, {}); }
  void insertText(int offset, const QString& text) override { Replace(offset, offset, text); }
  void replaceText(int startOffset, int endOffset, const QString& text) override {
    Replace(startOffset, endOffset, text);
  }

 protected:
  virtual QString Contents() const = 0;
  virtual bool ReadOnly() const = 0;
  virtual bool MultiLine() const = 0;
  // Start and end; both at the caret when nothing is selected.
  virtual std::pair<int, int> Selection() const = 0;
  virtual int Cursor() const = 0;
  virtual void SetCursor(int position) = 0;
  virtual void Select(int start, int end) = 0;
  // On the screen, from the caret before the character to the caret after it.
  virtual QRect CharacterRect(int offset) const = 0;
  virtual int OffsetAt(const QPoint& global) const = 0;
  virtual void Replace(int start, int end, const QString& text) = 0;
};

class SingleLineAccessible final : public BoxAccessible {
 public:
  explicit SingleLineAccessible(QLineEdit* box) : BoxAccessible(box) {}

 protected:
  QString Contents() const override { return Box().text(); }
  bool ReadOnly() const override { return Box().isReadOnly(); }
  bool MultiLine() const override { return false; }
  std::pair<int, int> Selection() const override {
    if (!Box().hasSelectedText()) return {Box().cursorPosition(), Box().cursorPosition()};
    return {Box().selectionStart(), Box().selectionEnd()};
  }
  int Cursor() const override { return Box().cursorPosition(); }
  void SetCursor(int position) override { Box().setCursorPosition(position); }
  void Select(int start, int end) override { Box().setSelection(start, end - start); }
  QRect CharacterRect(int offset) const override {
    // Measured from the caret, which Qt places with the box's alignment and scrolling.
    const QFontMetrics metrics(Box().font());
    const QString characters = Box().text();
    const QRect caret = Box().inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int origin =
        caret.x() - metrics.horizontalAdvance(characters.left(Box().cursorPosition()));
    const int left = origin + metrics.horizontalAdvance(characters.left(offset));
    const int right = origin + metrics.horizontalAdvance(characters.left(offset + 1));
    return {Box().mapToGlobal(QPoint(left, caret.y())), QSize(right - left, caret.height())};
  }
  int OffsetAt(const QPoint& global) const override {
    return Box().cursorPositionAt(Box().mapFromGlobal(global));
  }
  // Through setText, so that the box's length limit holds.
  void Replace(int start, int end, const QString& text) override {
    Box().setText(Box().text().replace(start, end - start, text));
  }

 private:
  QLineEdit& Box() const { return *static_cast<QLineEdit*>(widget()); }
};

class MultiLineAccessible final : public BoxAccessible {
 public:
  explicit MultiLineAccessible(QPlainTextEdit* box) : BoxAccessible(box) {}

  // A line is a line on the screen, as the box wraps it, as a reader moving by lines
  // expects; the rest is found in the text alone.
  QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                       int* endOffset) const override {
    if (boundary != QAccessible::LineBoundary) {
      return QAccessibleTextInterface::textAtOffset(offset, boundary, startOffset, endOffset);
    }
    std::tie(*startOffset, *endOffset) = LineAround(offset);
    return text(*startOffset, *endOffset);
  }
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                           int* endOffset) const override {
    if (boundary != QAccessible::LineBoundary) {
      return QAccessibleTextInterface::textBeforeOffset(offset, boundary, startOffset, endOffset);
    }
    const int lineStart = LineAround(offset).first;
    if (lineStart == 0) return None(startOffset, endOffset);
    return textAtOffset(lineStart - 1, boundary, startOffset, endOffset);
  }
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                          int* endOffset) const override {
    if (boundary != QAccessible::LineBoundary) {
      return QAccessibleTextInterface::textAfterOffset(offset, boundary, startOffset, endOffset);
    }
    const QString characters = Contents();
    const int lineEnd = LineAround(offset).second;
    if (lineEnd >= characters.size()) return None(startOffset, endOffset);
    // A wrapped line goes on at once; the last line of a paragraph ends at its line break.
    const int next = lineEnd + (characters.at(lineEnd) == QLatin1Char('\n') ? 1 : 0);
    return textAtOffset(next, boundary, startOffset, endOffset);
  }

 protected:
  QString Contents() const override { return Box().toPlainText(); }
  bool ReadOnly() const override { return Box().isReadOnly(); }
  bool MultiLine() const override { return true; }
  std::pair<int, int> Selection() const override {
    const QTextCursor cursor = Box().textCursor();
    return {cursor.selectionStart(), cursor.selectionEnd()};
  }
  int Cursor() const override { return Box().textCursor().position(); }
  void SetCursor(int position) override {
    QTextCursor cursor = Box().textCursor();
    cursor.setPosition(Within(position));
    Box().setTextCursor(cursor);
    Box().ensureCursorVisible();
  }
  void Select(int start, int end) override {
    QTextCursor cursor = Box().textCursor();
    cursor.setPosition(Within(start));
    cursor.setPosition(Within(end), QTextCursor::KeepAnchor);
    Box().setTextCursor(cursor);
  }
  QRect CharacterRect(int offset) const override {
    QTextCursor cursor(Box().document());
    cursor.setPosition(offset);
    const QRect caret = Box().cursorRect(cursor);
    cursor.setPosition(offset + 1);
    const QRect next = Box().cursorRect(cursor);
    // The last character of a screen line ends where its own advance takes it.
    const int width = next.top() == caret.top()
                          ? next.x() - caret.x()
                          : QFontMetrics(Box().font()).horizontalAdvance(Contents().at(offset));
    return {Box().viewport()->mapToGlobal(caret.topLeft()), QSize(width, caret.height())};
  }
  int OffsetAt(const QPoint& global) const override {
    return Box().cursorForPosition(Box().viewport()->mapFromGlobal(global)).position();
  }
  void Replace(int start, int end, const QString& text) override {
    QTextCursor cursor(Box().document());
    cursor.setPosition(Within(start));
    cursor.setPosition(Within(end), QTextCursor::KeepAnchor);
    cursor.insertText(text);
  }

 private:
  QPlainTextEdit& Box() const { return *static_cast<QPlainTextEdit*>(widget()); }

  // A position in the text, whatever offset a screen reader sends.
  int Within(int offset) const { return std::clamp(offset, 0, characterCount()); }

  // Start and end of the screen line that holds the offset. A paragraph that cannot be
  // laid out, as in a box never shown, is one line.
  std::pair<int, int> LineAround(int offset) const {
    const QTextBlock block = Box().document()->findBlock(Within(offset));
    // The box lays out a paragraph only as it comes into view; this lays it out now.
    Box().document()->documentLayout()->blockBoundingRect(block);
    const QTextLine line = block.layout()->lineForTextPosition(Within(offset) - block.position());
    if (!line.isValid()) return {block.position(), block.position() + block.length() - 1};
    const int start = block.position() + line.textStart();
    return {start, start + line.textLength()};
  }

  static QString None(int* startOffset, int* endOffset) {
    *startOffset = *endOffset = -1;
    return {};
  }
};

}  // namespace

QAccessibleInterface* SingleLineBoxAccessible(QLineEdit* box) {
  return new SingleLineAccessible(box);
}

QAccessibleInterface* MultiLineBoxAccessible(QPlainTextEdit* box) {
  return new MultiLineAccessible(box);
}

}  // namespace app
