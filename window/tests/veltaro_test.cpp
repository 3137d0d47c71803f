#include "window/veltaro.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "calc/runtime_error.h"
#include "fake_form.h"
#include "window/control_error.h"
#include "window/layout.h"

namespace {

using Words = std::array<std::string, 3>;

const Words kModeCaptions = {"КПД", "рандеман", "практически добив"};
const Words kEfficiencyLabels = {"изходяща енергия", "подадена енергия", "КПД %"};

Words Labels(const FakeForm& form) {
  return {form.label2[0].caption, form.label2[1].caption, form.label2[2].caption};
}

int ErrorNumberOf(auto call) {
  try {
    call();
  } catch (const calc::RuntimeError& error) {
    return error.number();
  }
  return 0;
}

class LoadedWindow : public ::testing::Test {
 protected:
  void SetUp() override { logic.Form_Load(); }

  // What the user types reaches the box directly, not through the logic.
  void Type(const std::string& part, const std::string& whole) {
    form.text2[0].text = part;
    form.text2[1].text = whole;
  }

  FakeForm form;
  window::Veltaro logic{form};
};

TEST_F(LoadedWindow, OpensWithNoModeTheFirstModesLabelsAndEmptyBoxes) {
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(form.option1[i].caption, kModeCaptions[i]);
    EXPECT_FALSE(form.option1[i].value);
    EXPECT_EQ(form.text2[i].text, "");
  }
  EXPECT_EQ(Labels(form), kEfficiencyLabels);
  EXPECT_FALSE(form.text2[0].locked);
  EXPECT_FALSE(form.text2[1].locked);
  EXPECT_TRUE(form.text2[2].locked) << "only the program writes the result";
}

TEST_F(LoadedWindow, SelectingAModeRelabelsTheBoxesAndKeepsTheirTexts) {
  const struct {
    std::int16_t mode;
    Words labels;
  } cases[] = {
      {1, {"годна продукция", "произведена продукция", "рандеман %"}},
      {2, {"получен добив", "теоретичен добив", "добив %"}},
      {0, kEfficiencyLabels},
      {3, {"", "", ""}},  // the table's unused mode
  };
  Type("45", "60");
  logic.Command1_Click(0);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    logic.Option1_Click(c.mode);
    EXPECT_EQ(Labels(form), c.labels);
    EXPECT_EQ(form.text2[0].text, "45");
    EXPECT_EQ(form.text2[1].text, "60");
    EXPECT_EQ(form.text2[2].text, "75%");
  }
}

TEST_F(LoadedWindow, CalculatesWithNoModeSelected) {
  Type("45", "60");
  logic.Command1_Click(0);
  EXPECT_EQ(form.text2[2].text, "75%");
}

TEST_F(LoadedWindow, NoResultLeavesTheEarlierResult) {
  Type("45", "60");
  logic.Command1_Click(0);
  for (const char* whole : {"0", "", "0.99", "-10", "abc"}) {
    SCOPED_TRACE(whole);
    Type("5", whole);
    logic.Command1_Click(0);
    EXPECT_EQ(form.text2[2].text, "75%");
  }
}

TEST_F(LoadedWindow, TheUsersSeparatorIsReadAtEachCalculation) {
  Type("1", "3");
  form.numberFormat.decimalSeparator = ",";
  logic.Command1_Click(0);
  EXPECT_EQ(form.text2[2].text, "33,33%");
  form.numberFormat.decimalSeparator = ".";
  logic.Command1_Click(0);
  EXPECT_EQ(form.text2[2].text, "33.33%");
}

TEST_F(LoadedWindow, ClearAfterAModeReturnsToTheOpeningState) {
  const std::string opening = form.Snapshot();
  logic.Option1_Click(2);
  form.option1[2].value = true;  // the user's selection
  Type("45", "60");
  logic.Command1_Click(0);
  logic.Command1_Click(1);
  EXPECT_EQ(form.Snapshot(), opening);
}

TEST_F(LoadedWindow, OtherButtonIndicesDoNothing) {
  Type("45", "60");
  const std::string before = form.Snapshot();
  form.log.clear();
  const std::int16_t others[] = {2, -1, INT16_MAX};
  for (std::int16_t index : others) logic.Command1_Click(index);
  EXPECT_EQ(form.Snapshot(), before);
  EXPECT_TRUE(form.log.empty());
}

TEST_F(LoadedWindow, OverflowLeavesEveryControlAsItWas) {
  const struct {
    const char* part;
    const char* whole;
  } cases[] = {{"1e999", "5"}, {"5", "1e999"}, {"2e307", "1"}, {"&H1FFFFFFFF", "1"}};
  Type("45", "60");
  logic.Command1_Click(0);
  logic.Option1_Click(1);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.part);
    Type(c.part, c.whole);
    const std::string before = form.Snapshot();
    EXPECT_EQ(ErrorNumberOf([&] { logic.Command1_Click(0); }), 6);
    EXPECT_EQ(form.Snapshot(), before);
  }
}

TEST_F(LoadedWindow, AModeOutsideTheTableIsSubscriptOutOfRange) {
  const Words before = Labels(form);
  EXPECT_EQ(ErrorNumberOf([&] { logic.Option1_Click(4); }), 9);
  EXPECT_EQ(Labels(form), before);
}

// What a click on each control of the layout does: only the command buttons and the option
// buttons have handlers, each called with the control's index.
TEST_F(LoadedWindow, AClickReachesTheHandlerOfTheControlsArray) {
  const struct {
    const char* control;
    const char* part;  // typed before the click
    Words labels;
    const char* result;
  } cases[] = {
      {"Command1(0)", "45", kEfficiencyLabels, "75%"},
      {"Option1(1)", "45", {"годна продукция", "произведена продукция", "рандеман %"}, "75%"},
      {"Text2(0)", "30", {"годна продукция", "произведена продукция", "рандеман %"}, "75%"},
      {"Label2(0)", "30", {"годна продукция", "произведена продукция", "рандеман %"}, "75%"},
      {"Frame1", "30", {"годна продукция", "произведена продукция", "рандеман %"}, "75%"},
      {"Option1(2)", "30", {"получен добив", "теоретичен добив", "добив %"}, "75%"},
      {"Command1(0)", "30", {"получен добив", "теоретичен добив", "добив %"}, "50%"},
      {"Command1(1)", "30", kEfficiencyLabels, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.control);
    const window::ControlLayout* clicked = nullptr;
    for (const window::ControlLayout& control : window::MainWindowControls()) {
      if (window::ControlNameOf(control) == c.control) clicked = &control;
    }
    ASSERT_NE(clicked, nullptr);
    Type(c.part, "60");
    logic.Click(*clicked);
    EXPECT_EQ(Labels(form), c.labels);
    EXPECT_EQ(form.text2[2].text, c.result);
  }
}

// Runs a handler once to learn its operations, then fails each one in turn: the handler
// must stop right there, doing nothing after it, and pass the failure on.
template <typename Prepare, typename Handler>
void ExpectEveryFailureStopsTheHandler(Prepare prepare, Handler handler) {
  std::vector<std::string> operations;
  {
    FakeForm form;
    window::Veltaro logic(form);
    prepare(form, logic);
    form.log.clear();
    handler(logic);
    operations = form.log;
  }
  ASSERT_FALSE(operations.empty());
  for (std::size_t failing = 1; failing <= operations.size(); ++failing) {
    SCOPED_TRACE(operations[failing - 1]);
    FakeForm form;
    window::Veltaro logic(form);
    prepare(form, logic);
    form.log.clear();
    form.FailAt(static_cast<int>(failing));
    EXPECT_EQ(ErrorNumberOf([&] { handler(logic); }), 5);
    EXPECT_EQ(form.log, std::vector<std::string>(operations.begin(),
                                                 operations.begin() + static_cast<long>(failing)));
  }
}

void Fresh(FakeForm&, window::Veltaro&) {}

void LoadedWithTypedValues(FakeForm& form, window::Veltaro& logic) {
  logic.Form_Load();
  form.text2[0].text = "45";
  form.text2[1].text = "60";
}

TEST(FailingControl, StopsTheLoad) {
  ExpectEveryFailureStopsTheHandler(Fresh, [](window::Veltaro& logic) { logic.Form_Load(); });
}

TEST(FailingControl, StopsTheCalculation) {
  ExpectEveryFailureStopsTheHandler(LoadedWithTypedValues,
                                    [](window::Veltaro& logic) { logic.Command1_Click(0); });
}

TEST(FailingControl, StopsTheClear) {
  ExpectEveryFailureStopsTheHandler(LoadedWithTypedValues,
                                    [](window::Veltaro& logic) { logic.Command1_Click(1); });
}

TEST(FailingControl, StopsTheRelabelling) {
  ExpectEveryFailureStopsTheHandler(LoadedWithTypedValues,
                                    [](window::Veltaro& logic) { logic.Option1_Click(1); });
}

TEST(FailingControl, TheLoadWritesInItsOrder) {
  FakeForm form;
  window::Veltaro logic(form);
  logic.Form_Load();
  // Captions and values first, then labels, then boxes; the result box is locked last.
  const std::vector<std::string> writes = [&] {
    std::vector<std::string> w;
    for (const std::string& op : form.log) {
      if (op.find('.') != std::string::npos) w.push_back(op);
    }
    return w;
  }();
  const std::vector<std::string> expected = {
      "Option1(0).Caption=КПД",
      "Option1(0).Value=false",
      "Option1(1).Caption=рандеман",
      "Option1(1).Value=false",
      "Option1(2).Caption=практически добив",
      "Option1(2).Value=false",
      "Label2(0).Caption=изходяща енергия",
      "Label2(1).Caption=подадена енергия",
      "Label2(2).Caption=КПД %",
      "Text2(0).Text=",
      "Text2(1).Text=",
      "Text2(2).Text=",
      "Text2(2).Locked=true",
  };
  EXPECT_EQ(writes, expected);
}

}  // namespace
