// The Windows window in process, on a real display under Wine: its controls, their
// geometry and font, the keyboard's navigation, the boxes' limits and the logic's errors.
#include "win32/form_window.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/runtime_error.h"
#include "win32/dpi.h"
#include "win32/tests/window_fixture.h"
#include "win32/text_conversion.h"
#include "win32/window_text.h"
#include "window/control_error.h"
#include "window/layout.h"

namespace {

const std::wstring kPair = {0xD83D, 0xDE00};  // U+1F600, two UTF-16 units
const std::string kPairUtf8 = "\xF0\x9F\x98\x80";

// The error reports that opened while a guard was set, each as its title and text; each was
// dismissed as a user would, with its OK button.
std::vector<std::string> reports;

BOOL CALLBACK AddStaticText(HWND child, LPARAM found) {
  wchar_t className[16] = {};
  GetClassNameW(child, className, 16);
  if (std::wstring_view(className) == L"Static") {
    *reinterpret_cast<std::wstring*>(found) += win32::WindowText(child).value_or(L"");
  }
  return TRUE;
}

void CALLBACK DismissReport(HWND, UINT, UINT_PTR, DWORD) {
  HWND report = FindWindowW(L"#32770", nullptr);
  if (report == nullptr) return;
  std::wstring text;
  EnumChildWindows(report, &AddStaticText, reinterpret_cast<LPARAM>(&text));
  reports.push_back(win32::ToUtf8(win32::WindowText(report).value_or(L"") + L": " + text));
  SendMessageW(report, WM_COMMAND, IDOK, 0);
}

using win32_test::Window;

TEST_F(Window, ControlsStandWhereLaidOut) {
  const struct {
    const char* control;
    RECT pixels;  // left, top, right, bottom in the container's client area
  } cases[] = {
      {"Text1(0)", {8, 192, 457, 337}},      {"Text1(1)", {40, 216, 489, 337}},
      {"Label1(0)", {56, 0, 409, 25}},       {"Frame1", {16, 40, 185, 161}},
      {"Option1(0)", {0, 8, 161, 33}},       {"Option1(1)", {0, 48, 161, 73}},
      {"Option1(2)", {0, 88, 161, 113}},     {"Label2(0)", {208, 32, 345, 57}},
      {"Text2(0)", {360, 32, 449, 59}},      {"Label2(1)", {208, 72, 345, 97}},
      {"Text2(1)", {360, 72, 449, 99}},      {"Label2(2)", {208, 112, 345, 137}},
      {"Text2(2)", {360, 112, 449, 139}},    {"Command1(0)", {208, 160, 305, 185}},
      {"Command1(1)", {344, 160, 425, 185}},
  };
  for (const auto& c : cases) {
    HWND control = Control(c.control);
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, c.pixels.left) << c.control;
    EXPECT_EQ(rect.top, c.pixels.top) << c.control;
    EXPECT_EQ(rect.right, c.pixels.right) << c.control;
    EXPECT_EQ(rect.bottom, c.pixels.bottom) << c.control;
  }
  EXPECT_EQ(GetParent(Control("Option1(0)")), Control("Frame1"));
}

TEST_F(Window, HasAFixedClientAreaAndOnlyACloseButton) {
  RECT client{};
  GetClientRect(form_.Handle(), &client);
  EXPECT_EQ(client.right, 461);
  EXPECT_EQ(client.bottom, 345);
  const LONG_PTR style = GetWindowLongPtrW(form_.Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_BORDER);
  EXPECT_FALSE(style & WS_THICKFRAME) << "cannot be resized";
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  const std::optional<std::wstring> title = win32::WindowText(form_.Handle());
  if (!title) FAIL() << "the window has no title";
  EXPECT_EQ(win32::ToUtf8(*title), "www.veltaro.bg Велтаро");
}

TEST_F(Window, EveryControlUsesTimesNewRoman12InCyrillic) {
  std::vector<std::string> names = {"Veltaro"};
  for (const window::ControlLayout& layout : window::MainWindowControls()) {
    names.push_back(window::ControlNameOf(layout));
  }
  for (const std::string& name : names) {
    HWND control = name == "Veltaro" ? form_.Handle() : Control(name);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    LOGFONTW logical{};
    ASSERT_NE(GetObjectW(font, sizeof logical, &logical), 0) << name;
    EXPECT_EQ(std::wstring(logical.lfFaceName), L"Times New Roman") << name;
    EXPECT_EQ(logical.lfHeight, -16) << name << ": 12 points at 96 dpi";
    EXPECT_EQ(logical.lfWeight, FW_NORMAL) << name;
    EXPECT_EQ(logical.lfCharSet, RUSSIAN_CHARSET) << name;
    EXPECT_EQ(logical.lfPitchAndFamily & 0xF0, FF_ROMAN) << name << ": a substitute is a serif";
  }
}

TEST_F(Window, OpensWithNoModeTheFirstModesLabelsAndTheHelpText) {
  for (const char* option : {"Option1(0)", "Option1(1)", "Option1(2)"}) {
    EXPECT_EQ(SendMessageW(Control(option), BM_GETCHECK, 0, 0), BST_UNCHECKED) << option;
  }
  EXPECT_EQ(Text("Option1(2)"), "практически добив");
  EXPECT_EQ(Labels(), (std::vector<std::string>{"изходяща енергия", "подадена енергия", "КПД %"}));
  EXPECT_EQ(Text("Command1(0)"), "Изчисли");
  const std::string help = Text("Text1(0)");
  EXPECT_TRUE(help.starts_with("В практиката съществуват")) << help;
  EXPECT_TRUE(help.ends_with("теоретичен добив.\r\n")) << "lines end in CR LF, the last one too";
  const LONG_PTR helpStyle = GetWindowLongPtrW(Control("Text1(0)"), GWL_STYLE);
  EXPECT_TRUE((helpStyle & ES_MULTILINE) && (helpStyle & ES_READONLY) && (helpStyle & WS_VSCROLL));
  EXPECT_FALSE(helpStyle & ES_AUTOHSCROLL) << "long lines wrap at word boundaries";
  EXPECT_FALSE(IsWindowVisible(Control("Text1(1)")));
  EXPECT_TRUE(GetWindowLongPtrW(Control("Text2(2)"), GWL_STYLE) & ES_READONLY);
}

TEST_F(Window, TabFollowsTheLayoutAndTheOptionsAreOneStop) {
  EXPECT_EQ(Focused(), "Text1(0)");
  const std::vector<std::string> expected = {"Option1(0)",  "Text2(0)",    "Text2(1)", "Text2(2)",
                                             "Command1(0)", "Command1(1)", "Text1(0)"};
  const auto tabRound = [this] {
    std::vector<std::string> visited;
    for (int i = 0; i < 7; ++i) {
      Key(VK_TAB);
      visited.push_back(Focused());
    }
    return visited;
  };
  EXPECT_EQ(tabRound(), expected);
  // With a mode selected and then everything cleared, the group keeps its one stop.
  Click("Option1(2)");
  Click("Command1(1)");
  SetFocus(Control("Text1(0)"));
  EXPECT_EQ(tabRound(), expected);
  EXPECT_EQ(Text("Text1(0)").find('\t'), std::string::npos) << "Tab never types into the help";
}

TEST_F(Window, EachBoxFollowsItsLabelWhereAScreenReaderLooksForItsName) {
  for (const char* box : {"Text2(0)", "Text2(1)", "Text2(2)"}) {
    const window::ControlLayout* layout = nullptr;
    for (const window::ControlLayout& control : window::MainWindowControls()) {
      if (window::ControlNameOf(control) == box) layout = &control;
    }
    if (layout == nullptr || !layout->labelledBy) FAIL() << box << " has no label";
    const std::string label =
        window::ElementName(layout->labelledBy->name, layout->labelledBy->index);
    EXPECT_EQ(GetWindow(Control(box), GW_HWNDPREV), Control(label)) << box << " after " << label;
  }
}

// An arrow key selects the option it moves to, and raises its Click, also where none was
// selected: right after the start, and after Изчисти.
TEST_F(Window, ArrowKeysSelectWithinTheGroup) {
  const std::vector<std::string> kpd = {"изходяща енергия", "подадена енергия", "КПД %"};
  const std::vector<std::string> randeman = {"годна продукция", "произведена продукция",
                                             "рандеман %"};
  const std::vector<std::string> yield = {"получен добив", "теоретичен добив", "добив %"};
  const struct {
    const char* why;
    const char* clickedFirst;  // none: as the window opens
    const char* from;
    WPARAM key;
    const char* reached;
    std::vector<std::string> labels;
  } cases[] = {
      {"down from a selected option", "Option1(0)", "Option1(0)", VK_DOWN, "Option1(1)", randeman},
      {"down with none selected, as at the start", nullptr, "Option1(0)", VK_DOWN, "Option1(1)",
       randeman},
      {"right with none selected", nullptr, "Option1(1)", VK_RIGHT, "Option1(2)", yield},
      {"up from the first wraps to the last", nullptr, "Option1(0)", VK_UP, "Option1(2)", yield},
      {"down with none selected after Изчисти", "Command1(1)", "Option1(1)", VK_DOWN, "Option1(2)",
       yield},
      {"left back to the first", "Option1(1)", "Option1(1)", VK_LEFT, "Option1(0)", kpd},
  };
  for (const auto& c : cases) {
    Click("Option1(2)");
    Click("Command1(1)");
    if (c.clickedFirst != nullptr) Click(c.clickedFirst);
    SetFocus(Control(c.from));
    Pump();
    Key(c.key);
    EXPECT_EQ(Focused(), c.reached) << c.why;
    for (const char* option : {"Option1(0)", "Option1(1)", "Option1(2)"}) {
      EXPECT_EQ(SendMessageW(Control(option), BM_GETCHECK, 0, 0),
                std::string_view(option) == c.reached ? BST_CHECKED : BST_UNCHECKED)
          << c.why << ": " << option;
    }
    EXPECT_EQ(Labels(), c.labels) << c.why << ": the mode's Click was raised";
  }
}

// Enter and the keypad's Enter press a focused button, and nothing else; Esc nothing at all.
TEST_F(Window, EnterPressesOnlyAFocusedButtonAndEscapeNothing) {
  for (const LPARAM keypad : {LPARAM{0}, kExtendedKey}) {
    const std::string enter = keypad != 0 ? "keypad Enter" : "Enter";
    Click("Command1(1)");
    SetWindowTextW(Control("Text2(0)"), L"45");
    SetWindowTextW(Control("Text2(1)"), L"60");
    // There is no default button: Enter in a box or on an option presses nothing.
    for (const char* control : {"Text2(0)", "Text2(1)", "Text1(0)", "Option1(0)"}) {
      SetFocus(Control(control));
      Key(VK_RETURN, keypad);
      EXPECT_EQ(Text("Text2(2)"), "") << enter << " on " << control << " is no click";
    }
    EXPECT_EQ(SendMessageW(Control("Option1(0)"), BM_GETCHECK, 0, 0), BST_UNCHECKED)
        << enter << " selects no option";
    SetFocus(Control("Command1(0)"));
    Key(VK_ESCAPE);
    EXPECT_EQ(Text("Text2(2)"), "") << "Esc is no click";
    Key(VK_RETURN, keypad);
    EXPECT_EQ(Text("Text2(2)"), "75%") << enter << " on Изчисли presses it";
    EXPECT_EQ(Focused(), "Command1(0)");
    SetFocus(Control("Command1(1)"));
    Key(VK_ESCAPE);
    EXPECT_EQ(Text("Text2(0)"), "45") << "Esc is no clear";
    Key(VK_RETURN, keypad);
    EXPECT_EQ(Text("Text2(0)"), "") << enter << " on Изчисти presses it";
    EXPECT_TRUE(IsWindow(form_.Handle()));
  }
}

TEST_F(Window, TabbingIntoTheHelpKeepsItsPlaceAndSelectsNothing) {
  HWND help = Control("Text1(0)");
  SendMessageW(help, EM_LINESCROLL, 0, 3);
  const LRESULT firstLine = SendMessageW(help, EM_GETFIRSTVISIBLELINE, 0, 0);
  ASSERT_GT(firstLine, 0);
  SetFocus(Control("Command1(1)"));
  Key(VK_TAB);
  ASSERT_EQ(Focused(), "Text1(0)");
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(help, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, end) << "nothing is selected";
  EXPECT_EQ(SendMessageW(help, EM_GETFIRSTVISIBLELINE, 0, 0), firstLine) << "the help stays put";
}

TEST_F(Window, TheFocusComesBackAfterMinimisingOrHiding) {
  const struct {
    const char* how;
    int away;
    int back;
  } cases[] = {
      {"minimised and restored", SW_MINIMIZE, SW_RESTORE},
      {"hidden and shown", SW_HIDE, SW_SHOW},
  };
  for (const auto& c : cases) {
    for (const char* control : {"Text2(1)", "Command1(0)", "Option1(0)"}) {
      SetFocus(Control(control));
      Pump();
      ShowWindow(form_.Handle(), c.away);
      Pump();
      ShowWindow(form_.Handle(), c.back);
      Pump();
      EXPECT_EQ(Focused(), control) << c.how;
    }
  }
}

// Whether Windows' keyboard cues hide focus marks, as the window asks its frame: Wine
// always says they show, where Windows hides them after a click until the keyboard is used.
bool focusHidden = false;

LRESULT CALLBACK AnswerUiState(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR) {
  if (message == WM_QUERYUISTATE) return focusHidden ? UISF_HIDEFOCUS : 0;
  return DefSubclassProc(window, message, wParam, lParam);
}

// The ring around the focused control, as the window draws it around every one that takes
// the focus: while Windows' keyboard cues show focus, and it goes with the focus.
TEST_F(Window, TheFocusRingFollowsTheFocusAndWindowsKeyboardCues) {
  ASSERT_NE(SetWindowSubclass(form_.Handle(), &AnswerUiState, 1, 0), FALSE);
  // As Windows tells the window when the cues change.
  const auto cues = [this](bool hidden) {
    focusHidden = hidden;
    SendMessageW(form_.Handle(), WM_UPDATEUISTATE,
                 MAKEWPARAM(hidden ? UIS_SET : UIS_CLEAR, UISF_HIDEFOCUS), 0);
    Pump();
  };
  // The ring's colour on the middle of the control's left side, two pixels out, differs
  // from the window's colour two pixels further out.
  const auto ringed = [this](const std::string& name) {
    RECT rect{};
    GetWindowRect(Control(name), &rect);
    MapWindowPoints(HWND_DESKTOP, form_.Handle(), reinterpret_cast<POINT*>(&rect), 2);
    RedrawWindow(form_.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = GetDC(form_.Handle());
    const int y = (rect.top + rect.bottom) / 2;
    const bool marked = GetPixel(dc, rect.left - 2, y) != GetPixel(dc, rect.left - 4, y);
    ReleaseDC(form_.Handle(), dc);
    return marked;
  };
  std::vector<std::string> focusable;
  for (const window::ControlLayout& layout : window::MainWindowControls()) {
    if (layout.visible && layout.kind != window::ControlKind::kLabel &&
        layout.kind != window::ControlKind::kFrame) {
      focusable.push_back(window::ControlNameOf(layout));
    }
  }
  ASSERT_EQ(focusable.size(), 9U);
  std::string previous;
  for (const std::string& name : focusable) {
    SetFocus(Control(name));
    Pump();
    EXPECT_TRUE(ringed(name)) << name << " shows its ring";
    if (!previous.empty()) {
      EXPECT_FALSE(ringed(previous)) << previous << " keeps its ring";
    }
    cues(true);
    EXPECT_FALSE(ringed(name)) << name << " shows a ring where Windows hides focus marks";
    cues(false);
    EXPECT_TRUE(ringed(name)) << name << " shows no ring once the keyboard is used";
    previous = name;
  }
  RemoveWindowSubclass(form_.Handle(), &AnswerUiState, 1);
}

TEST_F(Window, CalculatesOnAClickAndOnAQuickSecondClick) {
  Calculate(L"45", L"60");
  EXPECT_EQ(Text("Text2(2)"), "75%");
  SetWindowTextW(Control("Text2(0)"), L"1");
  SetWindowTextW(Control("Text2(1)"), L"800");
  HWND calculate = Control("Command1(0)");
  SendMessageW(form_.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(calculate), BN_DOUBLECLICKED),
               reinterpret_cast<LPARAM>(calculate));
  EXPECT_EQ(Text("Text2(2)"), "0.13%");
  Calculate(L"5", L"0");
  EXPECT_EQ(Text("Text2(2)"), "0.13%") << "a whole below 1 keeps the result";
}

TEST_F(Window, InputBoxesHoldFiveCharactersAndNeverHalfOfOne) {
  const struct {
    const char* why;
    std::wstring typed;
    std::wstring pasted;
    std::string held;
  } cases[] = {
      {"a sixth typed character is refused", L"123456", L"", "12345"},
      {"a pair is one character", L"1234" + kPair, L"", "1234" + kPairUtf8},
      {"a pair that does not fit is refused whole", L"12345" + kPair, L"", "12345"},
      {"typing goes on after a refused pair", L"123" + kPair + kPair + kPair + L"9", L"",
       "123" + kPairUtf8 + kPairUtf8},
      {"a long paste is cut", L"", L"123456789", "12345"},
      {"a paste is cut before a pair that does not fit", L"12", L"34" + kPair + kPair,
       "1234" + kPairUtf8},
      {"a paste is cut after a pair that fits", L"", L"1234" + kPair + L"6", "1234" + kPairUtf8},
      {"a paste takes its first line", L"", L"12\r\n34", "12"},
  };
  for (const auto& c : cases) {
    for (const char* box : {"Text2(0)", "Text2(1)"}) {
      SetWindowTextW(Control(box), L"");
      Type(box, c.typed);
      if (!c.pasted.empty()) Paste(box, c.pasted);
      EXPECT_EQ(Text(box), c.held) << box << ": " << c.why;
    }
  }
}

TEST_F(Window, TheLockedResultBoxTakesNothingFromTheUser) {
  Calculate(L"45", L"60");
  Type("Text2(2)", L"9");
  Paste("Text2(2)", L"123");
  SendMessageW(Control("Text2(2)"), WM_CUT, 0, 0);
  EXPECT_EQ(Text("Text2(2)"), "75%");
  EXPECT_NE(GetWindowLongPtrW(Control("Text2(2)"), GWL_STYLE) & WS_TABSTOP, 0) << "it is focused";
}

TEST_F(Window, ALongResultShowsItsBeginning) {
  const struct {
    const wchar_t* part;
    const wchar_t* whole;
    const char* result;
  } cases[] = {
      {L"-9999", L"1.003", "-996909.27%"},
      {L"1e300", L"7", "1.42857142857143E+301%"},
      {L"1e12", L"3", "33333333333333.3%"},
  };
  for (const auto& c : cases) {
    Calculate(c.part, c.whole);
    ASSERT_EQ(Text("Text2(2)"), c.result);
    // The first character stands inside the box, on its left.
    const LRESULT first = SendMessageW(Control("Text2(2)"), EM_POSFROMCHAR, 0, 0);
    EXPECT_GE(static_cast<short>(LOWORD(first)), 0) << c.result;
    EXPECT_LT(static_cast<short>(LOWORD(first)), 10) << c.result;
  }
}

TEST_F(Window, SelectingAModeRelabelsAndClearingRaisesNoClick) {
  Calculate(L"45", L"60");
  Click("Option1(1)");
  EXPECT_EQ(Labels(),
            (std::vector<std::string>{"годна продукция", "произведена продукция", "рандеман %"}));
  EXPECT_EQ(Text("Text2(2)"), "75%");
  Click("Command1(1)");
  for (const char* box : {"Text2(0)", "Text2(1)", "Text2(2)"}) EXPECT_EQ(Text(box), "") << box;
  EXPECT_EQ(SendMessageW(Control("Option1(1)"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(Labels(), (std::vector<std::string>{"изходяща енергия", "подадена енергия", "КПД %"}));
}

TEST_F(Window, AnOverflowIsReportedAndTheWindowGoesOnAsItWas) {
  Calculate(L"45", L"60");
  reports.clear();
  const UINT_PTR guard = SetTimer(nullptr, 0, 50, &DismissReport);
  Calculate(L"1e999", L"5");
  KillTimer(nullptr, guard);
  EXPECT_EQ(reports, std::vector<std::string>{
                         "Велтаро: Грешка 6: Overflow\n\nИзчислението е прекъснато; въведеното "
                         "е запазено."});
  ASSERT_TRUE(IsWindowVisible(form_.Handle()));
  EXPECT_EQ(Text("Text2(0)"), "1e999");
  EXPECT_EQ(Text("Text2(2)"), "75%");
  Calculate(L"1", L"8");
  EXPECT_EQ(Text("Text2(2)"), "12.5%");
}

TEST_F(Window, FailedControlOperationsRaiseNamedErrors) {
  window::Form& form = form_;
  const struct {
    const char* why;
    void (*operation)(window::Form&);
    int number;
    const char* description;
  } cases[] = {
      {"missing element", [](window::Form& f) { f.Text2(3); }, 9,
       "Subscript out of range: Text2(3)"},
      {"negative index", [](window::Form& f) { f.Option1(-1); }, 9,
       "Subscript out of range: Option1(-1)"},
      {"text longer than the box holds", [](window::Form& f) { f.Text2(0).SetText("123456"); }, 380,
       "Invalid property value: Text2(0).Text"},
  };
  for (const auto& c : cases) {
    try {
      c.operation(form);
      ADD_FAILURE() << c.why << ": no error";
    } catch (const calc::RuntimeError& error) {
      EXPECT_EQ(error.number(), c.number) << c.why;
      EXPECT_EQ(error.description(), c.description) << c.why;
    }
  }
}

// A label's caption is drawn on one line of its label: in the window's font where it fits
// so, else in a smaller size of it, never below 8 points; in each mode, and back again.
TEST_F(Window, EveryLabelsCaptionFitsOnOneLine) {
  const struct {
    const char* clicked;
    const char* mode;
  } steps[] = {
      {nullptr, "at the start"},
      {"Option1(1)", "рандеман, whose \"произведена продукция\" is wide"},
      {"Option1(0)", "КПД"},
      {"Option1(2)", "практически добив"},
      {"Option1(1)", "рандеман again"},
      {"Command1(1)", "cleared"},
  };
  const auto windowFont = reinterpret_cast<HFONT>(SendMessageW(form_.Handle(), WM_GETFONT, 0, 0));
  LOGFONTW windowLogical{};
  ASSERT_NE(GetObjectW(windowFont, sizeof windowLogical, &windowLogical), 0);
  HDC dc = GetDC(form_.Handle());
  const auto captionWidth = [dc](HWND label, HFONT font) {
    const std::wstring caption = win32::WindowText(label).value_or(L"");
    const HGDIOBJ previous = SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    SelectObject(dc, previous);
    return extent.cx;
  };
  for (const auto& step : steps) {
    if (step.clicked != nullptr) Click(step.clicked);
    for (const window::ControlLayout& layout : window::MainWindowControls()) {
      if (layout.kind != window::ControlKind::kLabel) continue;
      const std::string name = window::ControlNameOf(layout);
      HWND label = Control(name);
      const auto font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
      LOGFONTW logical{};
      ASSERT_NE(GetObjectW(font, sizeof logical, &logical), 0) << name;
      RECT client{};
      GetClientRect(label, &client);
      const std::string where = name + " \"" + Text(name) + "\", " + step.mode;
      EXPECT_LE(captionWidth(label, font), client.right) << where;
      EXPECT_EQ(std::wstring(logical.lfFaceName), std::wstring(windowLogical.lfFaceName)) << where;
      EXPECT_LE(logical.lfHeight, -11) << where << ": 8 points at 96 dpi at least";
      if (captionWidth(label, windowFont) <= client.right) {
        EXPECT_EQ(logical.lfHeight, windowLogical.lfHeight) << where << ": fits at 12 points";
      }
    }
  }
  ReleaseDC(form_.Handle(), dc);
  Click("Option1(1)");
  LOGFONTW produced{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Control("Label2(1)"), WM_GETFONT, 0, 0)),
             sizeof produced, &produced);
  EXPECT_GT(produced.lfHeight, windowLogical.lfHeight) << "\"произведена продукция\" is smaller";
}

TEST_F(Window, ScalesLayoutAndFontWithTheDpi) {
  RECT suggested{};
  GetWindowRect(form_.Handle(), &suggested);
  SendMessageW(form_.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&suggested));
  RECT box{};
  GetWindowRect(Control("Text2(0)"), &box);
  MapWindowPoints(HWND_DESKTOP, form_.Handle(), reinterpret_cast<POINT*>(&box), 2);
  EXPECT_EQ(box.left, 540);
  EXPECT_EQ(box.top, 48);
  EXPECT_EQ(box.right - box.left, 134);
  EXPECT_EQ(box.bottom - box.top, 41);
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Control("Label2(0)"), WM_GETFONT, 0, 0)),
             sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -24) << "12 points at 144 dpi";
}

// Windows 7 has none of the newer resolution functions: the system's resolution and the
// frame it draws stand in, and here, at one resolution for all, give what they give.
TEST_F(Window, WithoutTheNewerDpiFunctionsTheSystemsStandIn) {
  const win32::DpiFunctions& newer = win32::DpiFunctions::OfThisWindows();
  ASSERT_NE(newer.dpiForWindow, nullptr) << "Wine has them, as Windows 10 has";
  ASSERT_NE(newer.adjustWindowRectExForDpi, nullptr);
  const win32::DpiFunctions windows7;
  const int dpi = win32::WindowDpi(form_.Handle(), windows7);
  EXPECT_EQ(dpi, win32::WindowDpi(form_.Handle()));
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(form_.Handle(), GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(form_.Handle(), GWL_EXSTYLE));
  const RECT client{0, 0, 461, 345};
  const RECT older = win32::FrameAround(client, style, exStyle, dpi, windows7);
  const RECT current = win32::FrameAround(client, style, exStyle, dpi);
  EXPECT_EQ(older.left, current.left);
  EXPECT_EQ(older.top, current.top);
  EXPECT_EQ(older.right, current.right);
  EXPECT_EQ(older.bottom, current.bottom);
  RECT frame{};
  GetWindowRect(form_.Handle(), &frame);
  EXPECT_EQ(frame.right - frame.left, older.right - older.left);
  EXPECT_EQ(frame.bottom - frame.top, older.bottom - older.top);
}

}  // namespace
