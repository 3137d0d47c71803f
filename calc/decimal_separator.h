#pragma once

#include <string_view>

#include "calc/number_text.h"

namespace calc {

// The number format a result is written in, from the user's regional settings: their
// decimal separator and the language they are for (a POSIX or BCP 47 name: "bg_BG",
// "ps-AF"). A result's digits are Latin whatever the language, so the separator is the
// one written after Latin digits: the user's where it is one; the one the language uses
// with Latin digits where the setting belongs to other digits (the Arabic decimal
// separator); and "." where the setting is empty or holds a character that a reader, or
// the program reading the result back, would take for part of the number.
NumberFormat FormatFromSettings(std::string_view decimalSeparator, std::string_view language);

}  // namespace calc
