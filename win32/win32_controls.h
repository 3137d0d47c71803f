#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "win32/gdi_object.h"
#include "window/control_element.h"
#include "window/form.h"
#include "window/layout.h"

namespace win32 {

// The window's controls over Windows' own. Each operation checks that the control is still
// there and that Windows did what was asked, and throws calc::RuntimeError otherwise.

class Win32Control : protected window::ControlElement {
 public:
  Win32Control(const window::ControlLayout& layout, HWND handle)
      : ControlElement(layout), handle_(handle) {}

 protected:
  // The control's window, while it still exists.
  HWND Existing() const;
  void SetTextChecked(std::wstring_view text, std::string_view property);

 private:
  HWND handle_;
};

// A locked box is one only the program writes, such as the result: a screen reader is told
// of each text the program gives it, while the focus stays where the user left it.
class Win32TextBox final : public window::TextBox, Win32Control {
 public:
  using Win32Control::Win32Control;
  std::string Text() const override;
  void SetText(std::string_view text) override;
  void SetLocked(bool locked) override;

 private:
  std::string LabelCaption(HWND box) const;
};

class Win32Label final : public window::Label, Win32Control {
 public:
  using Win32Control::Win32Control;
  void SetCaption(std::string_view caption) override;
  // Draws the caption in the size that fits the label on one line: on each new caption, and
  // again whenever the window gives its controls a new font.
  void FitCaption();

 private:
  GdiObject<HFONT> fittedFont_;  // none while the window's font fits
};

class Win32OptionButton final : public window::OptionButton, Win32Control {
 public:
  using Win32Control::Win32Control;
  void SetCaption(std::string_view caption) override;
  void SetValue(bool value) override;
};

}  // namespace win32
