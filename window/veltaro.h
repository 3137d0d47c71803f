#pragma once

#include <cstdint>

#include "calc/mode_table.h"
#include "window/form.h"
#include "window/layout.h"

namespace window {

// The window's logic. It keeps no state but the mode words: the selected mode lives only
// in the option buttons, and every step looks its control up afresh.
class Veltaro {
 public:
  explicit Veltaro(Form& form);

  void Form_Load();
  void Option1_Click(std::int16_t Index);
  void Command1_Click(std::int16_t Index);

  // The user pressed a command button or made an option button the selected one: the
  // handler of the control's array, with its index. Other controls raise no Click.
  void Click(const ControlLayout& control);

 private:
  void ResetForm();

  Form& form_;
  calc::ModeTable ModeTable;
};

}  // namespace window
