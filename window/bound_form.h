#pragma once

#include <cstdint>

#include "calc/runtime_error.h"
#include "window/control_array.h"
#include "window/form.h"
#include "window/layout.h"
#include "window/veltaro.h"

namespace window {

// The form as every binding has it: the control arrays the logic reaches, the logic, and
// the one place where the logic's errors stop. A binding makes the controls and adds each
// as it is made, hands on the user's clicks, and says how an error is reported to the user.
template <typename TextBoxControl, typename LabelControl, typename OptionButtonControl>
class BoundForm : public Form {
 public:
  BoundForm(const BoundForm&) = delete;
  BoundForm& operator=(const BoundForm&) = delete;

  // Raises the window's Load event; an error passes to the caller, as nothing runs yet.
  void Load() { logic_.Form_Load(); }

  TextBox& Text2(std::int16_t index) final { return text2_.Item(index); }
  Label& Label2(std::int16_t index) final { return label2_.Item(index); }
  OptionButton& Option1(std::int16_t index) final { return option1_.Item(index); }

 protected:
  BoundForm() = default;
  ~BoundForm() = default;

  // Takes a control the binding made into its array, if it belongs to one the logic reaches.
  template <typename Handle>
  void Add(const ControlLayout& control, const Handle& handle) {
    if (control.name == text2_.Name()) {
      text2_.Add(control, handle);
    } else if (control.name == label2_.Name()) {
      label2_.Add(control, handle);
    } else if (control.name == option1_.Name()) {
      option1_.Add(control, handle);
    }
  }

  // Each label whose caption the logic sets, as the binding made it.
  template <typename Visit>
  void ForEachLabel2(Visit visit) {
    label2_.ForEach(visit);
  }

  // Each option button, as the binding made it.
  template <typename Visit>
  void ForEachOption1(Visit visit) {
    option1_.ForEach(visit);
  }

  // The user pressed a command button or selected an option button. This is the edge of
  // the event loop: no error crosses it; each is reported and the window goes on.
  void Click(const ControlLayout& control) {
    try {
      logic_.Click(control);
    } catch (const calc::RuntimeError& error) {
      ReportError(error);
    }
  }

 private:
  // Tells the user of an error that ended a handler; the program then goes on.
  virtual void ReportError(const calc::RuntimeError& error) = 0;

  ControlArray<TextBoxControl> text2_{kText2};
  ControlArray<LabelControl> label2_{kLabel2};
  ControlArray<OptionButtonControl> option1_{kOption1};
  Veltaro logic_{*this};
};

}  // namespace window
