#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "window/form.h"

namespace win32 {

// The window's controls over Windows' own. Each operation checks that the control is still
// there and that Windows did what was asked, and throws calc::RuntimeError otherwise.

class Win32Control {
 public:
  Win32Control(std::string_view name, std::int16_t index, HWND handle)
      : name_(name), index_(index), handle_(handle) {}

 protected:
  HWND Checked() const;
  void Expect(bool taken, std::string_view property) const;
  void SetTextChecked(std::wstring_view text, std::string_view property);

 private:
  std::string name_;
  std::int16_t index_;
  HWND handle_;
};

class Win32TextBox final : public window::TextBox, Win32Control {
 public:
  // maxCharacters 0: no limit.
  Win32TextBox(std::string_view name, std::int16_t index, HWND handle, std::size_t maxCharacters)
      : Win32Control(name, index, handle), maxCharacters_(maxCharacters) {}

  std::string Text() const override;
  void SetText(std::string_view text) override;
  void SetLocked(bool locked) override;

 private:
  std::size_t maxCharacters_;
};

class Win32Label final : public window::Label, Win32Control {
 public:
  using Win32Control::Win32Control;
  void SetCaption(std::string_view caption) override;
};

class Win32OptionButton final : public window::OptionButton, Win32Control {
 public:
  using Win32Control::Win32Control;
  void SetCaption(std::string_view caption) override;
  void SetValue(bool value) override;
};

}  // namespace win32
