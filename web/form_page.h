#pragma once

#include <cstddef>

#include "web/page_controls.h"
#include "web/page_dom.h"
#include "window/bound_form.h"
#include "window/layout.h"

namespace web {

// The window built from its layout over the page's elements, offering them to the window's
// logic and delivering the user's clicks to it. The page's events come in through PageEvent,
// which only routes each to a member.
class FormPage final : public window::BoundForm<PageTextBox, PageLabel, PageOptionButton> {
 public:
  FormPage();

  calc::NumberFormat UserNumberFormat() const override;

  // Gives the focus to the first control that takes it, as a window does when it opens.
  void Show();

  // An event the page hands on: the user's click on, or edit in, the control at that place
  // in the layout; a new size of the page's viewport; fonts loaded.
  void OnEvent(dom::Event event, std::size_t position);

 private:
  void OnEdit(const window::ControlLayout& box);
  void Place();
  void ReportError(const calc::RuntimeError& error) override;
};

}  // namespace web
