#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "win32/control_windows.h"
#include "win32/form_window.h"
#include "win32/tests/annotation_store.h"
#include "win32/tests/high_contrast_answer.h"
#include "win32/text_conversion.h"
#include "win32/window_text.h"
#include "window/control_error.h"
#include "window/layout.h"

namespace win32_test {

struct ControlSearch {
  int id;
  HWND found;
};

inline BOOL CALLBACK FindControl(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<ControlSearch*>(data);
  if (GetDlgCtrlID(child) == search->id) search->found = child;
  return search->found == nullptr;
}

// The window, loaded and shown on the test's display, with the means to reach its controls
// as a user or a screen reader would. It answers to Windows' High Contrast setting and
// annotation service as they are on Windows (see high_contrast_answer.h, annotation_store.h).
class Window : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { AnswerHighContrastAsWindows(); }

  void SetUp() override {
    form_.Load();
    ShowWindow(form_.Handle(), SW_SHOWNORMAL);
    UpdateWindow(form_.Handle());
    form_.Annotate();
    Pump();
  }

  void Pump() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
      if (IsDialogMessageW(form_.Handle(), &message) != FALSE) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }

  // A control by its name, found as a screen reader or a test tool would: by its id.
  HWND Control(std::string_view name) const {
    HWND handle = Find(name);
    EXPECT_NE(handle, nullptr) << "no control " << name;
    return handle;
  }

  HWND Find(std::string_view name) const {
    const std::span<const window::ControlLayout> controls = window::MainWindowControls();
    for (std::size_t position = 0; position < controls.size(); ++position) {
      if (window::ControlNameOf(controls[position]) != name) continue;
      ControlSearch search{win32::ControlId(position), nullptr};
      EnumChildWindows(form_.Handle(), &FindControl, reinterpret_cast<LPARAM>(&search));
      return search.found;
    }
    return nullptr;
  }

  std::string Text(std::string_view name) const {
    return win32::ToUtf8(win32::WindowText(Control(name)).value_or(L"(unreadable)"));
  }

  std::string Focused() const {
    for (const window::ControlLayout& control : window::MainWindowControls()) {
      std::string name = window::ControlNameOf(control);
      if (Find(name) == GetFocus()) return name;
    }
    return "(none)";
  }

  void Type(std::string_view box, std::wstring_view units) {
    for (const wchar_t unit : units) SendMessageW(Control(box), WM_CHAR, unit, 1);
  }

  void Paste(std::string_view box, const std::wstring& text) {
    ASSERT_NE(OpenClipboard(form_.Handle()), FALSE);
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    SendMessageW(Control(box), WM_PASTE, 0, 0);
  }

  void Click(std::string_view button) {
    SendMessageW(Control(button), BM_CLICK, 0, 0);
    Pump();
  }

  void Calculate(const wchar_t* part, const wchar_t* whole) {
    SetWindowTextW(Control("Text2(0)"), part);
    SetWindowTextW(Control("Text2(1)"), whole);
    Click("Command1(0)");
  }

  // A key pressed once; the keypad's Enter is Enter with the extended-key flag.
  static constexpr LPARAM kExtendedKey = 1 << 24;
  void Key(WPARAM key, LPARAM flags = 0) {
    MSG message{GetFocus(), WM_KEYDOWN, key, 1 | flags, 0, {}};
    if (IsDialogMessageW(form_.Handle(), &message) == FALSE) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Pump();
  }

  std::vector<std::string> Labels() const {
    return {Text("Label2(0)"), Text("Label2(1)"), Text("Label2(2)")};
  }

  AnnotationStore annotations_;  // first, so that the window finds it as it is made
  win32::FormWindow form_{GetModuleHandleW(nullptr)};
};

}  // namespace win32_test
