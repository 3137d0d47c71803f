#pragma once

#include <QWidget>
#include <cstdint>

#include "app/qt_controls.h"
#include "window/control_array.h"
#include "window/form.h"
#include "window/layout.h"
#include "window/veltaro.h"

namespace app {

// The window built from its layout, offering its controls to the window's logic and
// delivering the user's clicks to it.
class FormWindow final : public QWidget, public window::Form {
 public:
  FormWindow();

  // Raises the window's Load event; an error passes to the caller.
  void Load();

  window::TextBox& Text2(std::int16_t index) override;
  window::Label& Label2(std::int16_t index) override;
  window::OptionButton& Option1(std::int16_t index) override;
  calc::NumberFormat UserNumberFormat() const override;

 private:
  void Bind(const window::ControlLayout& control, QWidget* widget);
  // The boundary of the event loop: no error may cross it, so each is reported here.
  template <typename Handler>
  void Dispatch(Handler handler);

  window::ControlArray<QtTextBox> text2_{"Text2"};
  window::ControlArray<QtLabel> label2_{"Label2"};
  window::ControlArray<QtOptionButton> option1_{"Option1"};
  window::Veltaro logic_{*this};
};

}  // namespace app
