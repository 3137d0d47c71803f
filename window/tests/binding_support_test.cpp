#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "window/contrast.h"
#include "window/control_error.h"
#include "window/error_report.h"
#include "window/keyboard.h"
#include "window/pixels.h"

namespace {

TEST(TwipsToPixels, RoundsToTheNearestPixelAtEveryResolution) {
  const struct {
    const char* why;
    int twips;
    int dpi;
    int pixels;
  } cases[] = {
      {"the client width at 96 dpi", 6915, 96, 461},
      {"the client height at 96 dpi", 5175, 96, 345},
      {"a half pixel rounds up", 1680, 96, 112},
      {"just below a half pixel rounds down", 7, 96, 0},
      {"125 % scaling", 6915, 120, 576},
      {"150 % scaling", 405, 144, 41},
      {"200 % scaling", 6915, 192, 922},
  };
  for (const auto& c : cases) EXPECT_EQ(window::TwipsToPixels(c.twips, c.dpi), c.pixels) << c.why;
}

TEST(ControlErrors, NameTheElementAndTheProperty) {
  const calc::RuntimeError missing = window::NoSuchControl("Text2", 3);
  EXPECT_EQ(missing.number(), 9);
  EXPECT_EQ(missing.description(), "Subscript out of range: Text2(3)");
  const calc::RuntimeError rejected = window::PropertyRejected("Option1", -1, "Value");
  EXPECT_EQ(rejected.number(), 380);
  EXPECT_EQ(rejected.description(), "Invalid property value: Option1(-1).Value");
}

TEST(ControlNames, AreTheLayoutsNamesInTabOrder) {
  std::vector<std::string> names;
  for (const window::ControlLayout& control : window::MainWindowControls()) {
    names.push_back(window::ControlNameOf(control));
  }
  const std::vector<std::string> expected = {"Text1(0)",   "Text1(1)",    "Label1(0)",  "Frame1",
                                             "Option1(0)", "Option1(1)",  "Option1(2)", "Label2(0)",
                                             "Text2(0)",   "Label2(1)",   "Text2(1)",   "Label2(2)",
                                             "Text2(2)",   "Command1(0)", "Command1(1)"};
  EXPECT_EQ(names, expected) << "the frame is no array element, so it has no index";
}

TEST(ErrorReport, SaysTheNumberTheDescriptionAndWhatFollows) {
  const window::ErrorReport goesOn =
      window::DescribeError(calc::RuntimeError::Overflow(), window::Consequence::kGoesOn);
  EXPECT_EQ(goesOn.message, "Грешка 6: Overflow");
  const window::ErrorReport ends =
      window::DescribeError(calc::RuntimeError::Overflow(), window::Consequence::kEnds);
  EXPECT_EQ(ends.message, goesOn.message);
  EXPECT_NE(ends.consequence, goesOn.consequence);
}

TEST(ContrastRatio, MeasuresAsWcagDoes) {
  const struct {
    const char* why;
    window::Rgb first;
    window::Rgb second;
    double ratio;
  } cases[] = {
      {"black on white, the greatest", {0, 0, 0}, {255, 255, 255}, 21.0},
      {"the same colour, the least", {192, 192, 255}, {192, 192, 255}, 1.0},
      {"white on the labels' cyan, unreadable", {255, 255, 255}, {192, 255, 255}, 1.11},
      {"white on the title's orange", {255, 255, 255}, {255, 192, 128}, 1.60},
      {"yellow on the calculate button's green", {255, 255, 0}, {128, 255, 128}, 1.18},
      {"a pale focus box on the window's lilac", {137, 161, 216}, {192, 192, 255}, 1.50},
      {"mid grey on white, just short of text's 4.5", {119, 119, 119}, {255, 255, 255}, 4.48},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(window::ContrastRatio(c.first, c.second), c.ratio, 0.01) << c.why;
    EXPECT_DOUBLE_EQ(window::ContrastRatio(c.first, c.second),
                     window::ContrastRatio(c.second, c.first))
        << c.why << ": the order of the two does not count";
  }
}

TEST(LegibleOn, KeepsThePreferredColourWhereItReads) {
  const struct {
    const char* why;
    window::Rgb background;
    window::Rgb preferred;
    double minimum;
    window::Rgb legible;
  } cases[] = {
      {"black text on the labels' cyan", {192, 255, 255}, {0, 0, 0}, 4.5, {0, 0, 0}},
      {"a dark scheme's white text on cyan gives way to black",
       {192, 255, 255},
       {255, 255, 255},
       4.5,
       {0, 0, 0}},
      {"a dark scheme's yellow on the green button",
       {128, 255, 128},
       {255, 255, 0},
       4.5,
       {0, 0, 0}},
      {"white on a dark face stays", {0, 0, 128}, {255, 255, 255}, 4.5, {255, 255, 255}},
      {"black on a dark face gives way to white", {0, 0, 128}, {0, 0, 0}, 4.5, {255, 255, 255}},
      {"a mark needs less than text: mid grey on white is enough",
       {255, 255, 255},
       {119, 119, 119},
       3.0,
       {119, 119, 119}},
      {"but not for text", {255, 255, 255}, {119, 119, 119}, 4.5, {0, 0, 0}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(window::LegibleOn(c.background, c.preferred, c.minimum), c.legible) << c.why;
  }
}

TEST(Keyboard, EnterPressesOnlyACommandButton) {
  for (const window::ControlLayout& control : window::MainWindowControls()) {
    EXPECT_EQ(window::EnterPresses(control), control.name == "Command1")
        << window::ControlNameOf(control);
  }
}

}  // namespace
