#include "calc/mode_table.h"

#include "calc/runtime_error.h"

namespace calc {

void ModeTable::Fill() {
  entries_[0] = {"КПД", "изходяща енергия", "подадена енергия", "КПД %", ""};
  entries_[1] = {"рандеман", "годна продукция", "произведена продукция", "рандеман %", ""};
  entries_[2] = {"практически добив", "получен добив", "теоретичен добив", "добив %", ""};
}

const std::string& ModeTable::Get(std::int16_t mode, std::int16_t row) const {
  if (mode < 0 || mode >= kModes || row < 0 || row >= kRows) {
    throw RuntimeError::SubscriptOutOfRange();
  }
  return entries_[mode][row];
}

}  // namespace calc
