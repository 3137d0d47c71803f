#pragma once

#include "calc/runtime_error.h"

// The number of the RuntimeError the call raises, or 0 when it raises none.
template <typename Call>
int ErrorNumberOf(Call&& call) {
  try {
    call();
  } catch (const calc::RuntimeError& error) {
    return error.number();
  }
  return 0;
}
