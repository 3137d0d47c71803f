#include "web/form_page.h"

#include <emscripten/emscripten.h>

#include <optional>
#include <span>
#include <string>

#include "calc/decimal_separator.h"
#include "web/error_report.h"
#include "web/page_parts.h"
#include "window/character_limit.h"
#include "window/control_error.h"

namespace web {
namespace {

using window::ControlKind;
using window::ControlLayout;

// The user's events on the control that the logic hears of: a press of a command button,
// an option button made the selected one (the page raises no change as the program sets
// it), and each edit of a box that holds a number of characters.
void Listen(FormPage& page, const ControlLayout& control, const std::string& id,
            std::size_t position) {
  if (control.kind == ControlKind::kCommandButton) {
    dom::Listen(id, "click", &page, dom::Event::kClick, position);
  } else if (control.kind == ControlKind::kOptionButton) {
    dom::Listen(id, "change", &page, dom::Event::kClick, position);
  } else if (control.maxLength > 0) {
    dom::Listen(id, "input", &page, dom::Event::kEdit, position);
    dom::Listen(id, "compositionend", &page, dom::Event::kEdit, position);
  }
}

}  // namespace

// The page holds the window's elements already, written at build time from the same
// layout: each is found by its control's name and taken over.
FormPage::FormPage() {
  const std::span<const ControlLayout> controls = window::MainWindowControls();
  for (std::size_t position = 0; position < controls.size(); ++position) {
    const ControlLayout& control = controls[position];
    const std::string id = window::ControlNameOf(control);
    Listen(*this, control, id, position);
    Add(control, id);
  }
  dom::ListenToTextWidths(this, dom::Event::kTextWidthsChanged);
}

// The window stops being inert and the notice under it goes; the focus goes to the first
// control that takes it, as a window's does when it opens. The page gives it there with its
// first frame, and the user may have moved it since (the page takes typing before its program
// runs): only where neither has, the program does.
void FormPage::Show() {
  dom::SetFlag(window::MainWindow().name, "inert", false);
  dom::SetFlag(kNoticeId, "hidden", true);
  if (dom::HoldsFocus(window::MainWindow().name)) return;
  for (const ControlLayout& control : window::MainWindowControls()) {
    if (dom::Focus(window::ControlNameOf(control)) == dom::Outcome::kDone) return;
  }
}

void FormPage::OnEvent(dom::Event event, std::size_t position) {
  const std::span<const ControlLayout> controls = window::MainWindowControls();
  switch (event) {
    case dom::Event::kClick:
      if (position < controls.size()) Click(controls[position]);
      break;
    case dom::Event::kEdit:
      if (position < controls.size()) OnEdit(controls[position]);
      break;
    case dom::Event::kTextWidthsChanged:
      ForEachLabel2([](const PageLabel& label) { label.FitCaption(); });
      ForEachOption1([](const PageOptionButton& option) { option.FitCaption(); });
      break;
  }
}

// Holds a box to its number of characters however its text came (typed, pasted, dropped or
// composed): what overfills it is cut before the first character that does not fit.
void FormPage::OnEdit(const ControlLayout& box) {
  const std::string id = window::ControlNameOf(box);
  const std::optional<std::u16string> text = dom::Units(id);
  const std::optional<std::size_t> cursor = dom::Cursor(id);
  const auto limit = static_cast<std::size_t>(box.maxLength);
  // No more UTF-16 units than the limit: no more characters either.
  if (!text || !cursor || text->size() <= limit) return;
  const window::BoxText kept = window::CutToFit(*text, *cursor, limit);
  dom::SetUnits(id, kept.text, kept.cursor);
}

void FormPage::ReportError(const calc::RuntimeError& error) {
  web::ReportError(window::MainWindow().name, error, window::Consequence::kGoesOn);
}

calc::NumberFormat FormPage::UserNumberFormat() const {
  return calc::FormatFromSettings(dom::DecimalSeparator(), dom::Language());
}

}  // namespace web

// The page's events come in here, with the page they were listened for on.
extern "C" EMSCRIPTEN_KEEPALIVE void veltaro_event(web::FormPage* page, int event,
                                                   std::size_t position) {
  page->OnEvent(static_cast<web::dom::Event>(event), position);
}
