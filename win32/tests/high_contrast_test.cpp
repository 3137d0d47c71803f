// The window's colours in and out of High Contrast, as the user switches while it runs.
#include <array>

#include "win32/tests/high_contrast_answer.h"
#include "win32/tests/window_fixture.h"

namespace {

// A high-contrast scheme whose window and button pairs differ, so that each control is seen
// to take its own pair.
constexpr std::array<int, 4> kElements = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE,
                                          COLOR_BTNTEXT};
constexpr std::array<COLORREF, 4> kScheme = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 128),
                                             RGB(255, 255, 0)};

class HighContrast : public win32_test::Window {
 protected:
  void SetUp() override {
    for (std::size_t i = 0; i < kElements.size(); ++i) before_[i] = GetSysColor(kElements[i]);
    Window::SetUp();
  }

  void TearDown() override { Switch(false); }

  // As Windows may switch: the system's colours first, which every window hears of, then the
  // setting, which it hears of next.
  void Switch(bool on) {
    SetSysColors(static_cast<int>(kElements.size()), kElements.data(),
                 on ? kScheme.data() : before_.data());
    win32_test::SetHighContrastFlag(on);
    SendMessageW(form_.Handle(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    Pump();
  }

  // The colour a control shows near its bottom right corner, inside a button's edge and clear
  // of any text.
  COLORREF Background(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    UpdateWindow(control);
    HDC dc = GetDC(control);
    const COLORREF colour = GetPixel(dc, client.right - 3, client.bottom - 3);
    ReleaseDC(control, dc);
    return colour;
  }

 private:
  std::array<COLORREF, 4> before_{};
};

TEST_F(HighContrast, EveryControlTakesTheSystemsPairWhileItIsOn) {
  const struct {
    const char* control;
    COLORREF layout;
    COLORREF inHighContrast;
  } cases[] = {
      {"Veltaro", RGB(192, 192, 255), kScheme[0]},
      {"Frame1", RGB(192, 192, 255), kScheme[0]},
      {"Label1(0)", RGB(255, 192, 128), kScheme[0]},
      {"Label2(0)", RGB(192, 255, 255), kScheme[0]},
      {"Option1(2)", RGB(192, 192, 255), kScheme[0]},
      {"Command1(0)", RGB(128, 255, 128), kScheme[2]},
      {"Command1(1)", RGB(255, 128, 128), kScheme[2]},
  };
  const auto colours = [&](bool highContrast) {
    for (const auto& c : cases) {
      HWND control = std::string_view(c.control) == "Veltaro" ? form_.Handle() : Control(c.control);
      EXPECT_EQ(Background(control), highContrast ? c.inHighContrast : c.layout)
          << c.control << (highContrast ? " in High Contrast" : " out of it");
    }
  };
  colours(false);
  Switch(true);
  colours(true);
  Switch(false);
  colours(false);
}

}  // namespace
