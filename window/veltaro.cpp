#include "window/veltaro.h"

#include <optional>
#include <string>

#include "calc/percent.h"

namespace window {
namespace {

constexpr std::int16_t kModes = 3;
constexpr std::int16_t kBoxes = 3;
constexpr std::int16_t kCalculate = 0;
constexpr std::int16_t kClear = 1;
constexpr std::int16_t kResultBox = 2;

}  // namespace

Veltaro::Veltaro(Form& form) : form_(form) {}

void Veltaro::Form_Load() {
  ModeTable.Fill();
  ResetForm();
  form_.Text2(kResultBox).SetLocked(true);
}

void Veltaro::Option1_Click(std::int16_t Index) {
  for (std::int16_t n = 0; n < kBoxes; ++n) {
    form_.Label2(n).SetCaption(ModeTable.Get(Index, static_cast<std::int16_t>(n + 1)));
  }
}

void Veltaro::Command1_Click(std::int16_t Index) {
  if (Index == kCalculate) {
    const std::string part = form_.Text2(0).Text();
    const std::string whole = form_.Text2(1).Text();
    const std::optional<std::string> result =
        calc::ComputePercent(part, whole, form_.UserNumberFormat());
    if (result) form_.Text2(kResultBox).SetText(*result);
  } else if (Index == kClear) {
    ResetForm();
  }
}

void Veltaro::Click(const ControlLayout& control) {
  if (control.name == kCommand1) {
    Command1_Click(control.index);
  } else if (control.name == kOption1) {
    Option1_Click(control.index);
  }
}

// The labels go back to the first mode's words although no mode is selected.
void Veltaro::ResetForm() {
  for (std::int16_t i = 0; i < kModes; ++i) {
    form_.Option1(i).SetCaption(ModeTable.Get(i, 0));
    form_.Option1(i).SetValue(false);
  }
  for (std::int16_t n = 0; n < kBoxes; ++n) {
    form_.Label2(n).SetCaption(ModeTable.Get(0, static_cast<std::int16_t>(n + 1)));
  }
  for (std::int16_t j = 0; j < kBoxes; ++j) form_.Text2(j).SetText("");
}

}  // namespace window
