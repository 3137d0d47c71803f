#include "window/announcement.h"

#include <gtest/gtest.h>

#include <optional>
#include <span>
#include <stdexcept>
#include <string>

#include "window/form.h"
#include "window/layout.h"

namespace {

const window::ControlLayout& ResultBox() {
  // The layout's controls outlive the span; cppcheck 2.17 takes an element of a span that is
  // itself a temporary for a temporary.
  const std::span<const window::ControlLayout> controls = window::MainWindowControls();
  for (const window::ControlLayout& control : controls) {
    if (control.announcesChanges) return control;
  }
  throw std::logic_error("the layout announces no control");
}

TEST(Announcement, SaysTheLabelThenTheTextOfEachWriteAndNothingElse) {
  const window::ControlLayout quiet{};
  const struct {
    const char* why;
    const window::ControlLayout& control;
    const char* caption;
    const char* text;
    std::optional<std::string> said;
  } cases[] = {
      {"a result is named by its label", ResultBox(), "КПД %", "75%", "КПД % 75%"},
      {"a long result is said whole", ResultBox(), "КПД %", "-12345678901234,5%",
       "КПД % -12345678901234,5%"},
      {"a box no label names says its text alone", ResultBox(), "", "75%", "75%"},
      {"an emptied box says nothing", ResultBox(), "КПД %", "", std::nullopt},
      {"a box the user types into says nothing", quiet, "изходяща енергия", "45", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(window::Announcement(c.control, c.caption, c.text), c.said) << c.why;
  }
}

TEST(Announcement, OnlyTheResultBoxAnnouncesItsChanges) {
  int announcing = 0;
  for (const window::ControlLayout& control : window::MainWindowControls()) {
    if (control.announcesChanges) {
      ++announcing;
      EXPECT_EQ(control.name, window::kText2);
      EXPECT_EQ(control.index, 2);
      EXPECT_TRUE(control.labelledBy.has_value()) << "a result is said with what it is";
    }
  }
  EXPECT_EQ(announcing, 1);
}

}  // namespace
