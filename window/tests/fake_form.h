#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "window/form.h"

// The window's controls in memory. Logs every operation in order, and can make the
// operation with a given number fail, as a real control might.
class FakeForm : public window::Form {
 public:
  struct TextBox : window::TextBox {
    std::string Text() const override;
    void SetText(std::string_view text) override;
    void SetLocked(bool locked) override;

    FakeForm* form = nullptr;
    std::string name;
    std::string text;
    bool locked = false;
  };

  struct Label : window::Label {
    void SetCaption(std::string_view caption) override;

    FakeForm* form = nullptr;
    std::string name;
    std::string caption;
  };

  struct OptionButton : window::OptionButton {
    void SetCaption(std::string_view caption) override;
    void SetValue(bool value) override;

    FakeForm* form = nullptr;
    std::string name;
    std::string caption;
    bool value = false;
  };

  FakeForm();
  FakeForm(const FakeForm&) = delete;
  FakeForm& operator=(const FakeForm&) = delete;

  TextBox& Text2(std::int16_t index) override;
  Label& Label2(std::int16_t index) override;
  OptionButton& Option1(std::int16_t index) override;
  calc::NumberFormat UserNumberFormat() const override;

  // Operation number `operation` (counted from 1) throws RuntimeError 5 instead.
  void FailAt(int operation) { failAt_ = operation; }
  // The visible state of every control, for comparing before and after.
  std::string Snapshot() const;

  std::array<TextBox, 3> text2;
  std::array<Label, 3> label2;
  std::array<OptionButton, 3> option1;
  calc::NumberFormat numberFormat;
  std::vector<std::string> log;

 private:
  friend struct TextBox;
  friend struct Label;
  friend struct OptionButton;
  void Record(const std::string& operation);
  template <typename Element, std::size_t N>
  Element& Element_(std::array<Element, N>& array, const char* name, std::int16_t index);

  int failAt_ = 0;
};
