#include <fast_float/fast_float.h>

#include "calc/nearest_double.h"

namespace calc::detail {

double NearestDouble(const std::string& decimal) {
  double value = 0;
  fast_float::from_chars(decimal.data(), decimal.data() + decimal.size(), value);
  return value;
}

}  // namespace calc::detail
