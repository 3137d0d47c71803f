#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QWidget>
#include <string>
#include <string_view>

#include "window/control_element.h"
#include "window/form.h"
#include "window/layout.h"

namespace app {

// The window's controls over Qt widgets. Each operation checks that the widget is still
// there and that it took what it was given, and throws calc::RuntimeError otherwise.

template <typename Widget>
class QtControl : protected window::ControlElement {
 public:
  QtControl(const window::ControlLayout& layout, QWidget* widget)
      : ControlElement(layout), widget_(qobject_cast<Widget*>(widget)) {}

 protected:
  // The widget, while the window still has it.
  Widget& Existing() const;
  void SetTextChecked(std::string_view text, std::string_view property);

 private:
  QPointer<Widget> widget_;
};

class QtTextBox final : public window::TextBox, QtControl<QLineEdit> {
 public:
  using QtControl::QtControl;
  std::string Text() const override;
  void SetText(std::string_view text) override;
  void SetLocked(bool locked) override;
};

class QtLabel final : public window::Label, QtControl<QLabel> {
 public:
  using QtControl::QtControl;
  void SetCaption(std::string_view caption) override;
};

class QtOptionButton final : public window::OptionButton, QtControl<QRadioButton> {
 public:
  using QtControl::QtControl;
  void SetCaption(std::string_view caption) override;
  void SetValue(bool value) override;
};

}  // namespace app
