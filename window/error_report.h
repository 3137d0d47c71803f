#pragma once

#include <string>

#include "calc/runtime_error.h"

namespace window {

enum class Consequence { kGoesOn, kEnds };

// What the error report tells the user, in the window's language.
struct ErrorReport {
  std::string title;
  std::string message;      // the error's number and description
  std::string consequence;  // whether the program goes on
};

ErrorReport DescribeError(const calc::RuntimeError& error, Consequence consequence);

}  // namespace window
