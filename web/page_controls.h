#pragma once

#include <string>
#include <string_view>

#include "web/page_dom.h"
#include "window/control_element.h"
#include "window/form.h"
#include "window/layout.h"

namespace web {

// The window's controls over the page's elements, each found by its id (the control's name)
// for every operation. An operation on an element that is gone, or that did not take what
// it was given, throws calc::RuntimeError. Each is made as a PageControl is.

class PageControl : protected window::ControlElement {
 public:
  PageControl(const window::ControlLayout& layout, std::string id)
      : ControlElement(layout), id_(std::move(id)) {}

 protected:
  const std::string& Id() const { return id_; }
  // What the page answered for the property, as an error where it failed.
  void Check(dom::Outcome outcome, std::string_view property) const;
  // Draws the caption in the size that fits its room on one line, as the page draws it with
  // the reader's own spacing: on each new caption, and again once the fonts it may be drawn
  // in have loaded.
  void FitCaption() const;

 private:
  std::string id_;
};

class PageTextBox final : public window::TextBox, PageControl {
 public:
  std::string Text() const override;
  void SetText(std::string_view text) override;
  void SetLocked(bool locked) override;
  using PageControl::PageControl;

 private:
  // Has a screen reader say what the program wrote into a box whose changes are announced.
  void Announce(std::string_view text) const;
};

class PageLabel final : public window::Label, PageControl {
 public:
  void SetCaption(std::string_view caption) override;
  using PageControl::FitCaption;
  using PageControl::PageControl;
};

class PageOptionButton final : public window::OptionButton, PageControl {
 public:
  void SetCaption(std::string_view caption) override;
  void SetValue(bool value) override;
  using PageControl::FitCaption;
  using PageControl::PageControl;
};

}  // namespace web
