#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <cstdint>
#include <string>
#include <string_view>

#include "window/form.h"

namespace app {

// The window's controls over Qt widgets. Each operation checks that the widget is still
// there and that it took what it was given, and throws calc::RuntimeError otherwise.

template <typename Widget>
class QtControl {
 public:
  QtControl(std::string_view name, std::int16_t index, Widget* widget)
      : name_(name), index_(index), widget_(widget) {}

 protected:
  Widget& Checked() const;
  void Expect(bool taken, std::string_view property) const;
  void SetTextChecked(std::string_view text, std::string_view property);

 private:
  std::string name_;
  std::int16_t index_;
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
