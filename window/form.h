#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "calc/number_text.h"

namespace window {

// The controls as the window's logic reaches them, through the forms runtime. Every
// operation, the lookup of an element included, may fail and then throws
// calc::RuntimeError at once; none returns a result it could not deliver.

class TextBox {
 public:
  virtual std::string Text() const = 0;
  virtual void SetText(std::string_view text) = 0;
  // A locked box can still be focused, and its text selected and copied.
  virtual void SetLocked(bool locked) = 0;

 protected:
  ~TextBox() = default;
};

class Label {
 public:
  virtual void SetCaption(std::string_view caption) = 0;

 protected:
  ~Label() = default;
};

class OptionButton {
 public:
  virtual void SetCaption(std::string_view caption) = 0;
  // Clearing a value raises no Click.
  virtual void SetValue(bool value) = 0;

 protected:
  ~OptionButton() = default;
};

// The window's control arrays by index, and the user's regional number settings.
class Form {
 public:
  virtual TextBox& Text2(std::int16_t index) = 0;
  virtual Label& Label2(std::int16_t index) = 0;
  virtual OptionButton& Option1(std::int16_t index) = 0;
  // Read at each calculation, so a change of the user's settings counts at once.
  virtual calc::NumberFormat UserNumberFormat() const = 0;

 protected:
  ~Form() = default;
};

}  // namespace window
