#include "window/contrast.h"

#include <algorithm>
#include <cmath>

namespace window {
namespace {

// sRGB's relative luminance, each channel linearised first.
double Luminance(Rgb colour) {
  const auto linear = [](int channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

}  // namespace

double ContrastRatio(Rgb first, Rgb second) {
  const double a = Luminance(first);
  const double b = Luminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Rgb LegibleOn(Rgb background, Rgb preferred, double minimum) {
  if (ContrastRatio(background, preferred) >= minimum) return preferred;
  constexpr Rgb kBlack{0, 0, 0};
  constexpr Rgb kWhite{255, 255, 255};
  return ContrastRatio(background, kBlack) >= ContrastRatio(background, kWhite) ? kBlack : kWhite;
}

}  // namespace window
