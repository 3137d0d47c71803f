#include "window/window_placement.h"

#include <gtest/gtest.h>

namespace {

TEST(CentredInWorkArea, CentresWhereTheFrameFitsAndKeepsTheTitleBarOnTheScreen) {
  const struct {
    const char* why;
    window::PixelSize frame;
    window::PixelRect workArea;
    window::PixelPoint corner;
  } cases[] = {
      {"centred above a taskbar; the odd pixel goes right",
       {467, 374},
       {0, 0, 1024, 728},
       {278, 177}},
      {"a taskbar on the left", {467, 374}, {60, 0, 964, 768}, {308, 197}},
      {"a taskbar at the top", {467, 374}, {0, 40, 1024, 728}, {278, 217}},
      {"a monitor left of the main one", {467, 374}, {-1280, 0, 1280, 984}, {-874, 305}},
      {"exactly the area's size", {1024, 728}, {0, 0, 1024, 728}, {0, 0}},
      {"200 % on 1024 x 768: taller than the area, its top at the area's",
       {928, 733},
       {0, 0, 1024, 688},
       {48, 0}},
      {"taller than the area below a taskbar at the top", {928, 733}, {0, 80, 1024, 688}, {48, 80}},
      {"wider than the area: its left at the area's", {1200, 600}, {0, 0, 1024, 728}, {0, 64}},
      {"larger both ways", {1200, 900}, {-1280, 0, 1024, 728}, {-1280, 0}},
  };
  for (const auto& c : cases) {
    const window::PixelPoint corner = window::CentredInWorkArea(c.frame, c.workArea);
    EXPECT_EQ(corner, c.corner) << c.why << ": " << corner.x << ", " << corner.y;
  }
}

}  // namespace
