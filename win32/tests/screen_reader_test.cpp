// What a screen reader finds of the window under Wine: the help box's name and the live
// region, given through Windows' annotation service, the controls' roles through Active
// Accessibility, and what a reader speaks of each result.
#include <oleacc.h>

#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "win32/tests/window_fixture.h"
#include "win32/text_conversion.h"
#include "win32/window_text.h"
#include "window/fixed_texts.h"
#include "window/form.h"

namespace {

// UI Automation's LiveSetting, as a screen reader reads it from an annotation, and Polite.
constexpr GUID kLiveSetting = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;
constexpr DWORD kLiveRegionChanged = 0x8019;  // EVENT_OBJECT_LIVEREGIONCHANGED

class ScreenReader : public win32_test::Window {
 protected:
  // The control's role and state as Active Accessibility gives them to a screen reader.
  std::pair<LONG, LONG> RoleAndState(std::string_view control) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(Control(control), static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible)))) {
      return {0, 0};
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role{};
    VARIANT state{};
    accessible->get_accRole(self, &role);
    accessible->get_accState(self, &state);
    accessible->Release();
    return {role.lVal, state.lVal};
  }
};

// A stand-in for NVDA, listening to the window's live-region changes. NVDA speaks the name
// of the object that raised the event, nothing else (event_liveRegionChange of its
// NVDAObject), resolved as Windows resolves it: the name the program annotated, else the one
// Active Accessibility's proxy gives. Narrator, through UI Automation, reads the same name,
// and only from an element that is a live region.
struct Heard {
  std::string words;
  bool live;

  friend bool operator==(const Heard&, const Heard&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Heard& heard) {
    return out << '"' << heard.words << '"' << (heard.live ? "" : " (from no live region)");
  }
};

const win32_test::AnnotationStore* store = nullptr;
std::vector<Heard> heard;

std::string NameOf(HWND control, LONG object, LONG child) {
  if (const auto* name = store->Find(control, PROPID_ACC_NAME)) {
    return win32::ToUtf8(std::get<std::wstring>(*name));
  }
  IAccessible* accessible = nullptr;
  VARIANT item{};
  if (FAILED(AccessibleObjectFromEvent(control, static_cast<DWORD>(object),
                                       static_cast<DWORD>(child), &accessible, &item))) {
    return "(no accessible object)";
  }
  BSTR name = nullptr;
  std::string words;
  if (accessible->get_accName(item, &name) == S_OK && name != nullptr) {
    words = win32::ToUtf8(std::wstring(name, SysStringLen(name)));
  }
  SysFreeString(name);
  accessible->Release();
  return words;
}

void CALLBACK Listen(HWINEVENTHOOK, DWORD, HWND control, LONG object, LONG child, DWORD, DWORD) {
  const auto* live = store->Find(control, kLiveSetting);
  heard.push_back(
      {NameOf(control, object, child), live != nullptr && std::get<LONG>(*live) == kPolite});
}

TEST_F(ScreenReader, TheHelpBoxIsANamedReadOnlyText) {
  const auto [role, state] = RoleAndState("Text1(0)");
  EXPECT_EQ(role, ROLE_SYSTEM_TEXT);
  EXPECT_NE(state & STATE_SYSTEM_FOCUSABLE, 0);
  const auto* name = annotations_.Find(Control("Text1(0)"), PROPID_ACC_NAME);
  ASSERT_NE(name, nullptr) << "the help box has no name";
  EXPECT_EQ(win32::ToUtf8(std::get<std::wstring>(*name)), window::kHelpTextName);
}

TEST_F(ScreenReader, OneControlIsAPoliteLiveRegionAndNoneOfTheLayouts) {
  std::vector<HWND> live;
  for (const auto& [key, value] : annotations_.All()) {
    if (std::memcmp(&key.second, &kLiveSetting, sizeof(GUID)) != 0) continue;
    live.push_back(key.first);
    EXPECT_EQ(std::get<LONG>(value), kPolite) << "a result waits for the reader to finish";
  }
  ASSERT_EQ(live.size(), 1U);
  for (const window::ControlLayout& control : window::MainWindowControls()) {
    EXPECT_NE(Find(window::ControlNameOf(control)), live.front())
        << window::ControlNameOf(control) << " would be spoken by its own name";
  }
  EXPECT_EQ(annotations_.All().size(), 2U) << "nothing else is named or live";
}

TEST_F(ScreenReader, WhatWasSaidOfTheControlsGoesWithTheWindow) {
  const std::size_t held = annotations_.All().size();
  ASSERT_GT(held, 0U) << "the window says nothing of its controls";
  {
    win32::FormWindow other(GetModuleHandleW(nullptr));
    other.Load();
    other.Annotate();
    EXPECT_EQ(annotations_.All().size(), 2 * held);
  }
  EXPECT_EQ(annotations_.All().size(), held);
}

TEST_F(ScreenReader, EachResultIsSpokenWholeWithItsLabelAndTheFocusStaysOnTheButton) {
  store = &annotations_;
  heard.clear();
  HWINEVENTHOOK hook = SetWinEventHook(kLiveRegionChanged, kLiveRegionChanged, nullptr, &Listen,
                                       GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);
  const std::vector<Heard> first = {{"КПД % 75%", true}};
  const struct {
    const char* why;
    const wchar_t* part;
    const wchar_t* whole;
    std::vector<Heard> said;
  } cases[] = {
      {"a result", L"45", L"60", first},
      {"the same result asked again", L"45", L"60", first},
      {"a longer result, whole, not the digits that changed",
       L"46",
       L"60",
       {{"КПД % 76.67%", true}}},
      {"a whole below 1 writes nothing", L"5", L"0", {}},
  };
  for (const auto& c : cases) {
    SetFocus(Control("Command1(0)"));
    Calculate(c.part, c.whole);
    EXPECT_EQ(heard, c.said) << c.why;
    EXPECT_EQ(Focused(), "Command1(0)") << c.why;
    heard.clear();
  }
  Type("Text2(0)", L"7");
  Click("Command1(1)");
  EXPECT_TRUE(heard.empty()) << "typing and emptying the boxes announce nothing";
  UnhookWinEvent(hook);
}

// Windows' own proxy reads an option button's role, name and checked state from the
// button itself: its radio-button style, its caption and its check. Wine's proxy calls
// every button a client object and reports no check, so role and check are read from the
// button as Windows' proxy reads them; the name through Active Accessibility.
TEST_F(ScreenReader, OptionButtonsAreRadioButtonsNamedByTheirCaptionsAndChecked) {
  store = &annotations_;
  Click("Option1(1)");
  const char* const captions[] = {"КПД", "рандеман", "практически добив"};
  for (std::int16_t index = 0; index < 3; ++index) {
    const std::string name = window::ElementName(window::kOption1, index);
    HWND button = Control(name);
    const auto style = GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK;
    EXPECT_TRUE(style == BS_AUTORADIOBUTTON || style == BS_RADIOBUTTON) << name;
    EXPECT_EQ(NameOf(button, OBJID_CLIENT, CHILDID_SELF), captions[index]) << name;
    const bool checked = (SendMessageW(button, BM_GETSTATE, 0, 0) & BST_CHECKED) != 0;
    EXPECT_EQ(checked, index == 1) << name;
  }
}

}  // namespace
