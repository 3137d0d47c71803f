#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "calc/number_text.h"

// The window's controls, as the logic names them:
//   Text2(0), Text2(1), Text2(2)  the part, the whole and the result (locked) boxes
//   Label2(0..2)                  the labels that name those boxes, reworded by the mode
//   Option1(0..2)                 the modes: efficiency, good product, practical yield
//   Command1(0), Command1(1)      calculate and clear
// The help text Text1(0), the hidden quotation Text1(1), the title Label1(0) and the
// frame Frame1 around the modes are laid out and never touched by the logic.

namespace window {

// The names of the control arrays, as the layout and the error reports write them.
inline constexpr std::string_view kText2 = "Text2";
inline constexpr std::string_view kLabel2 = "Label2";
inline constexpr std::string_view kOption1 = "Option1";
inline constexpr std::string_view kCommand1 = "Command1";

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
