#include "web/form_page.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <optional>
#include <span>
#include <string>

#include "web/control_elements.h"
#include "web/error_report.h"
#include "window/build_controls.h"
#include "window/character_limit.h"
#include "window/control_error.h"
#include "window/pixels.h"
#include "window/window_placement.h"

namespace web {
namespace {

using window::ControlKind;
using window::ControlLayout;

// Where Times New Roman is missing, the serif the page carries, which has its metrics.
constexpr std::string_view kCarriedSerif = "\"Veltaro Serif\"";

// Gives the window's element its caption (the page's title), size, colour and font.
void Furnish(const window::WindowLayout& layout) {
  const std::string id(layout.name);
  dom::Make("div", id, "");
  dom::SetTitle(layout.caption);
  dom::SetStyle(id, "width", CssPixels(window::TwipsToPixels(layout.clientWidth)));
  dom::SetStyle(id, "height", CssPixels(window::TwipsToPixels(layout.clientHeight)));
  dom::SetStyle(id, "background-color", CssColour(layout.background));
  const window::FontLayout& font = layout.font;
  dom::SetStyle(id, "font-family",
                "\"" + std::string(font.family) + "\", " + std::string(kCarriedSerif) + ", serif");
  dom::SetStyle(id, "font-size", std::to_string(font.pointSize) + "pt");
  dom::SetStyle(id, "font-weight", std::to_string(font.weight));
  dom::SetStyle(id, "font-style", font.italic ? "italic" : "normal");
  dom::SetStyle(id, "text-decoration", font.underline ? "underline" : "none");
}

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

FormPage::FormPage() {
  const window::WindowLayout& layout = window::MainWindow();
  Furnish(layout);
  const std::span<const ControlLayout> controls = window::MainWindowControls();
  window::BuildControls(
      std::string(layout.name),
      [&](const ControlLayout& control, const std::string& container) {
        std::string id = MakeElement(control, container);
        Listen(*this, control, id, static_cast<std::size_t>(&control - controls.data()));
        Add(control, id);
        return id;
      },
      // A box is named, for assistive technology, by its label's current caption.
      [](const std::string& label, const std::string& box) {
        dom::SetAttribute(label, "for", box);
      });
  dom::Listen("", "resize", this, dom::Event::kResize, 0);
  dom::ListenToFonts(this, dom::Event::kFontsLoaded);
  Place();
}

void FormPage::Show() {
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
    case dom::Event::kResize:
      Place();
      break;
    case dom::Event::kFontsLoaded:
      ForEachLabel2([](PageLabel& label) { label.FitCaption(); });
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

// The window centred in the viewport where it fits; on a narrower one, scaled as a whole to
// its width, so that nothing needs scrolling sideways (the user may still zoom in).
void FormPage::Place() {
  const window::WindowLayout& layout = window::MainWindow();
  const int width = window::TwipsToPixels(layout.clientWidth);
  const int height = window::TwipsToPixels(layout.clientHeight);
  const int viewportWidth = dom::ViewportWidth();
  const double scale = std::min(1.0, static_cast<double>(viewportWidth) / width);
  const window::PixelPoint corner =
      window::CentredInWorkArea({static_cast<int>(width * scale), static_cast<int>(height * scale)},
                                {0, 0, viewportWidth, dom::ViewportHeight()});
  const std::string id(layout.name);
  dom::SetStyle(id, "left", CssPixels(corner.x));
  dom::SetStyle(id, "top", CssPixels(corner.y));
  dom::SetStyle(id, "transform", "scale(" + std::to_string(scale) + ")");
}

void FormPage::ReportError(const calc::RuntimeError& error) {
  web::ReportError(window::MainWindow().name, error, window::Consequence::kGoesOn);
}

calc::NumberFormat FormPage::UserNumberFormat() const {
  return {.decimalSeparator = dom::DecimalSeparator()};
}

}  // namespace web

// The page's events come in here, with the page they were listened for on.
extern "C" EMSCRIPTEN_KEEPALIVE void veltaro_event(web::FormPage* page, int event,
                                                   std::size_t position) {
  page->OnEvent(static_cast<web::dom::Event>(event), position);
}
