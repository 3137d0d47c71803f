// What a screen reader finds of the window under Wine: the help box's name and the result
// box's live region, given through Windows' annotation service, the boxes' roles through
// Active Accessibility, and the event that has each result read out.
#include <oleacc.h>

#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "win32/tests/window_fixture.h"
#include "win32/text_conversion.h"
#include "win32/window_text.h"
#include "window/fixed_texts.h"

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

// The live-region changes raised while a test listens: the control and what it then shows.
std::vector<std::pair<HWND, std::string>> announced;

void CALLBACK Listen(HWINEVENTHOOK, DWORD, HWND control, LONG object, LONG child, DWORD, DWORD) {
  if (object == OBJID_CLIENT && child == CHILDID_SELF) {
    announced.emplace_back(control, win32::ToUtf8(win32::WindowText(control).value_or(L"")));
  }
}

TEST_F(ScreenReader, TheHelpBoxIsANamedReadOnlyText) {
  const auto [role, state] = RoleAndState("Text1(0)");
  EXPECT_EQ(role, ROLE_SYSTEM_TEXT);
  EXPECT_NE(state & STATE_SYSTEM_FOCUSABLE, 0);
  const auto* name = annotations_.Find(Control("Text1(0)"), PROPID_ACC_NAME);
  ASSERT_NE(name, nullptr) << "the help box has no name";
  EXPECT_EQ(win32::ToUtf8(std::get<std::wstring>(*name)), window::kHelpTextName);
}

TEST_F(ScreenReader, OnlyTheResultBoxIsALiveRegion) {
  EXPECT_EQ(RoleAndState("Text2(2)").first, ROLE_SYSTEM_TEXT);
  const auto* live = annotations_.Find(Control("Text2(2)"), kLiveSetting);
  ASSERT_NE(live, nullptr) << "the result box is no live region";
  EXPECT_EQ(std::get<LONG>(*live), kPolite) << "a result waits for the reader to finish";
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

TEST_F(ScreenReader, EachResultIsAnnouncedWithTheFocusStayingOnTheButton) {
  announced.clear();
  HWINEVENTHOOK hook = SetWinEventHook(kLiveRegionChanged, kLiveRegionChanged, nullptr, &Listen,
                                       GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);
  const std::vector<std::pair<HWND, std::string>> result = {{Control("Text2(2)"), "75%"}};
  const struct {
    const char* why;
    const wchar_t* part;
    const wchar_t* whole;
    std::vector<std::pair<HWND, std::string>> heard;
  } cases[] = {
      {"a result", L"45", L"60", result},
      {"the same result asked again", L"45", L"60", result},
      {"a whole below 1 writes nothing", L"5", L"0", {}},
  };
  for (const auto& c : cases) {
    SetFocus(Control("Command1(0)"));
    Calculate(c.part, c.whole);
    EXPECT_EQ(announced, c.heard) << c.why;
    EXPECT_EQ(Focused(), "Command1(0)") << c.why;
    announced.clear();
  }
  Type("Text2(0)", L"7");
  Click("Command1(1)");
  EXPECT_TRUE(announced.empty()) << "typing and emptying the boxes announce nothing";
  UnhookWinEvent(hook);
}

}  // namespace
