#include "window/fitted_caption.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

namespace {

TEST(FittedPointSize, ShrinksACaptionJustEnoughToFitOnOneLine) {
  constexpr int kLayoutSize = 12;
  // A caption's widths at 12, 11, 10, 9 and 8 points, as a font gives them: not quite in
  // proportion to the size, as each size is fitted to whole pixels.
  const struct {
    const char* why;
    std::array<int, 5> widths;
    int labelWidth;
    int pointSize;
  } cases[] = {
      {"a caption that fits keeps the layout's size", {120, 110, 100, 90, 80}, 137, 12},
      {"as wide as the label still fits", {137, 126, 115, 103, 92}, 137, 12},
      {"a pixel too wide takes the next size down", {138, 127, 115, 104, 92}, 137, 11},
      {"\"произведена продукция\" in its 137-pixel label", {165, 151, 138, 124, 110}, 137, 9},
      {"the largest size that fits, not one in proportion", {165, 150, 137, 124, 110}, 137, 10},
      {"never below 8 points, though still too wide", {400, 366, 333, 300, 266}, 137, 8},
      {"an empty caption fits a label of no width", {0, 0, 0, 0, 0}, 0, 12},
  };
  for (const auto& c : cases) {
    const int size = window::FittedPointSize(kLayoutSize, c.labelWidth, [&](int pointSize) {
      const bool known = pointSize >= window::kSmallestCaptionPointSize && pointSize <= kLayoutSize;
      EXPECT_TRUE(known) << c.why << ": measured at " << pointSize << " points";
      return known ? c.widths.at(kLayoutSize - pointSize) : std::numeric_limits<int>::max();
    });
    EXPECT_EQ(size, c.pointSize) << c.why;
  }
}

}  // namespace
