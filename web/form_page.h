#pragma once

#include <cstddef>

#include "web/page_controls.h"
#include "web/page_dom.h"
#include "window/bound_form.h"
#include "window/layout.h"

namespace web {

// The window over the page's elements, which the page holds from its layout, offering them to the
// window's logic and delivering the user's clicks to it. The page's events come in through
// PageEvent, which only routes each to a member.
class FormPage final : public window::BoundForm<PageTextBox, PageLabel, PageOptionButton> {
 public:
  FormPage();

  calc::NumberFormat UserNumberFormat() const override;

  // Hands the window to the user, once loaded.
  void Show();

  // An event the page hands on: the user's click on, or edit in, the control at that place
  // in the layout; a change in how wide the captions are drawn.
  void OnEvent(dom::Event event, std::size_t position);

 private:
  void OnEdit(const window::ControlLayout& box);
  void ReportError(const calc::RuntimeError& error) override;
};

}  // namespace web
