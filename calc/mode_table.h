#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace calc {

// The words of each mode: row 0 captions the mode's option button, rows 1 to 3 label
// the part, the whole and the result. Mode 3 and row 4 exist but stay empty.
class ModeTable {
 public:
  static constexpr std::int16_t kModes = 4;
  static constexpr std::int16_t kRows = 5;

  void Fill();

  // Throws RuntimeError 9 "Subscript out of range" outside modes 0-3 and rows 0-4.
  const std::string& Get(std::int16_t mode, std::int16_t row) const;

 private:
  std::array<std::array<std::string, kRows>, kModes> entries_;
};

}  // namespace calc
