#include <cstdlib>

#include "calc/nearest_double.h"

namespace calc::detail {

// emscripten's C library reads a decimal correctly rounded and takes "." as its point in
// every locale, so the browser's program needs no table of powers of its own to do it.
double NearestDouble(const std::string& decimal) { return std::strtod(decimal.c_str(), nullptr); }

}  // namespace calc::detail
