// The form every binding shares, over controls that keep their state in a map, as a
// toolkit keeps it in its widgets.
#include "window/bound_form.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "window/control_element.h"
#include "window/control_error.h"
#include "window/layout.h"

namespace {

using Widgets = std::map<std::string, std::string>;

// A control whose widget is an entry of the map; a missing entry is a control gone.
class MapControl : public window::ControlElement {
 public:
  MapControl(const window::ControlLayout& layout, Widgets* widgets)
      : ControlElement(layout), widgets_(widgets) {}

 protected:
  std::string& Widget() const {
    const auto widget = widgets_->find(window::ControlNameOf(Layout()));
    if (widget == widgets_->end()) Missing();
    return widget->second;
  }

 private:
  Widgets* widgets_;
};

class MapTextBox final : public window::TextBox, MapControl {
 public:
  using MapControl::MapControl;
  std::string Text() const override { return Widget(); }
  void SetText(std::string_view text) override { Widget() = text; }
  void SetLocked(bool /*locked*/) override { Widget(); }
};

class MapLabel final : public window::Label, MapControl {
 public:
  using MapControl::MapControl;
  void SetCaption(std::string_view caption) override { Widget() = caption; }
};

class MapOptionButton final : public window::OptionButton, MapControl {
 public:
  using MapControl::MapControl;
  void SetCaption(std::string_view caption) override { Widget() = caption; }
  void SetValue(bool /*value*/) override { Widget(); }
};

class MapForm final : public window::BoundForm<MapTextBox, MapLabel, MapOptionButton> {
 public:
  MapForm() {
    for (const window::ControlLayout& control : window::MainWindowControls()) {
      widgets[window::ControlNameOf(control)];
      Add(control, &widgets);
    }
  }

  void ClickOn(const std::string& name) {
    for (const window::ControlLayout& control : window::MainWindowControls()) {
      if (window::ControlNameOf(control) == name) Click(control);
    }
  }

  calc::NumberFormat UserNumberFormat() const override { return {}; }

  Widgets widgets;
  std::vector<std::string> reports;

 private:
  void ReportError(const calc::RuntimeError& error) override {
    reports.push_back(std::to_string(error.number()) + " " + error.description());
  }
};

TEST(BoundForm, TheLogicReachesTheControlsOfTheThreeArrays) {
  MapForm form;
  form.Load();
  EXPECT_EQ(form.widgets["Option1(2)"], "практически добив");
  EXPECT_EQ(form.widgets["Label2(1)"], "подадена енергия");
  form.widgets["Text2(0)"] = "45";
  form.widgets["Text2(1)"] = "60";
  form.ClickOn("Command1(0)");
  EXPECT_EQ(form.widgets["Text2(2)"], "75%");
  EXPECT_TRUE(form.reports.empty());
}

TEST(BoundForm, AnErrorInAClickIsReportedOnceAndTheFormGoesOn) {
  const struct {
    const char* why;
    const char* part;
    const char* gone;  // a control gone before the click
    const char* click;
    const char* report;
  } cases[] = {
      {"an overflow", "1e999", "", "Command1(0)", "6 Overflow"},
      {"a label gone", "45", "Label2(0)", "Option1(1)", "9 Subscript out of range: Label2(0)"},
  };
  for (const auto& c : cases) {
    MapForm form;
    form.Load();
    form.widgets["Text2(0)"] = "45";
    form.widgets["Text2(1)"] = "60";
    form.ClickOn("Command1(0)");
    form.widgets["Text2(0)"] = c.part;
    form.widgets.erase(c.gone);
    form.ClickOn(c.click);
    EXPECT_EQ(form.reports, std::vector<std::string>{c.report}) << c.why;
    EXPECT_EQ(form.widgets["Text2(0)"], c.part) << c.why << ": the boxes are kept";
    EXPECT_EQ(form.widgets["Text2(2)"], "75%") << c.why << ": the boxes are kept";
    form.widgets["Text2(0)"] = "30";
    form.ClickOn("Command1(0)");
    EXPECT_EQ(form.widgets["Text2(2)"], "50%") << c.why << ": the form goes on";
  }
}

TEST(BoundForm, AnErrorInTheLoadPassesToTheCaller) {
  MapForm form;
  form.widgets.erase("Text2(2)");
  EXPECT_THROW(form.Load(), calc::RuntimeError);
  EXPECT_TRUE(form.reports.empty());
}

}  // namespace
