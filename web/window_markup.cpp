#include "web/window_markup.h"

#include <deque>
#include <string_view>
#include <vector>

#include "web/markup.h"
#include "web/page_parts.h"
#include "window/bound_form.h"
#include "window/build_controls.h"
#include "window/contrast.h"
#include "window/control_element.h"
#include "window/control_error.h"
#include "window/pixels.h"

namespace web {
namespace {

using window::ControlKind;
using window::ControlLayout;

// A control as the window's logic leaves it once loaded.
struct ControlState {
  const ControlLayout* layout = nullptr;
  std::string text;  // a caption, or a box's text
  bool locked = false;
  bool checked = false;
  std::string names{};                    // the box a label names, if any
  std::vector<ControlState*> children{};  // a container's controls, in tab order
};

class MarkupControl : protected window::ControlElement {
 public:
  MarkupControl(const ControlLayout& layout, ControlState* state)
      : ControlElement(layout), state_(state) {}

 protected:
  ControlState& State() const { return *state_; }

 private:
  ControlState* state_;
};

class MarkupTextBox final : public window::TextBox, MarkupControl {
 public:
  std::string Text() const override { return State().text; }
  void SetText(std::string_view text) override { State().text = text; }
  void SetLocked(bool locked) override { State().locked = locked; }
  using MarkupControl::MarkupControl;
};

class MarkupLabel final : public window::Label, MarkupControl {
 public:
  void SetCaption(std::string_view caption) override { State().text = caption; }
  using MarkupControl::MarkupControl;
};

class MarkupOptionButton final : public window::OptionButton, MarkupControl {
 public:
  void SetCaption(std::string_view caption) override { State().text = caption; }
  void SetValue(bool value) override { State().checked = value; }
  using MarkupControl::MarkupControl;
};

// The window's controls as records of what the logic set, made from the layout as a
// binding makes its controls.
class MarkupForm final : public window::BoundForm<MarkupTextBox, MarkupLabel, MarkupOptionButton> {
 public:
  MarkupForm() {
    window::BuildControls(
        &window_,
        [this](const ControlLayout& control, ControlState* container) {
          controls_.push_back(ControlState{
              .layout = &control, .text = std::string(control.text), .locked = control.locked});
          ControlState* state = &controls_.back();  // a deque keeps it where it is
          container->children.push_back(state);
          Add(control, state);
          return state;
        },
        [](ControlState* label, const ControlState* box) {
          label->names = window::ControlNameOf(*box->layout);
        });
  }

  // The markup is written before anyone calculates.
  calc::NumberFormat UserNumberFormat() const override { return {}; }

  const ControlState& Window() const { return window_; }

 private:
  // No click reaches the markup; a Load that fails fails the build.
  void ReportError(const calc::RuntimeError& error) override { throw error; }

  ControlState window_;
  std::deque<ControlState> controls_;
};

std::string IdOf(const ControlState& control) { return window::ControlNameOf(*control.layout); }

// A box of one line takes what the user types as typed: on a phone the ordinary text
// keyboard (a regional numeric pad offers "," which ends a number), no capitals, no
// corrections, and nothing offered from earlier pages.
void FurnishLineBox(Element& box) {
  box.attributes.insert(box.attributes.end(), {{"type", "text"},
                                               {"inputmode", "text"},
                                               {"autocomplete", "off"},
                                               {"autocapitalize", "off"},
                                               {"autocorrect", "off"},
                                               {"spellcheck", "false"}});
}

std::string HtmlOf(const ControlState& control, const ControlState* first);

bool TakesFocus(const ControlLayout& layout) {
  return layout.kind != ControlKind::kLabel && layout.kind != ControlKind::kFrame;
}

// The control a window gives the focus to as it opens: the first, in tab order, that takes it.
const ControlState* FirstToTakeFocus(const ControlState& container) {
  for (const ControlState* child : container.children) {
    if (!child->layout->visible) continue;
    if (TakesFocus(*child->layout)) return child;
    if (const ControlState* inside = FirstToTakeFocus(*child)) return inside;
  }
  return nullptr;
}

// The browser gives it the focus with the first frame, as the window takes typing: the
// program need not move it as it starts.
void FocusFirst(Element& element, bool first) {
  if (first) element.attributes.emplace_back("autofocus", "");
}

// Where a box of one line reacts to a touch beyond its edges (see page.css): a label of
// it, which adds nothing to its name.
std::string ReachOf(const std::string& box) {
  return Html({"label", {{"class", "reach"}, {"for", box}, {"aria-hidden", "true"}}, ""});
}

Element BoxOf(const ControlState& control, const std::string& id, bool first) {
  const ControlLayout& layout = *control.layout;
  Element box{layout.multiLine ? "textarea" : "input", {{"id", id}}, ""};
  FocusFirst(box, first);
  if (layout.multiLine) {
    box.content = Escaped(control.text);
  } else {
    FurnishLineBox(box);
    if (!control.text.empty()) box.attributes.emplace_back("value", control.text);
  }
  if (control.locked) box.attributes.emplace_back("readonly", "");
  return box;
}

// Plain elements for plain controls: a frame without border or caption is a plain
// container, an option button a label holding its circle and its caption.
Element ElementOf(const ControlState& control, const std::string& id, const ControlState* first) {
  const ControlLayout& layout = *control.layout;
  switch (layout.kind) {
    case ControlKind::kTextBox:
      return BoxOf(control, id, &control == first);
    case ControlKind::kLabel: {
      Element label{"label", {{"id", id}}, Escaped(control.text)};
      if (!control.names.empty()) label.attributes.emplace_back("for", control.names);
      return label;
    }
    case ControlKind::kOptionButton: {
      Element circle{
          "input", {{"type", "radio"}, {"id", id}, {"name", std::string(layout.container)}}, ""};
      if (control.checked) circle.attributes.emplace_back("checked", "");
      FocusFirst(circle, &control == first);
      return {"label", {{"for", id}}, Html(circle) + Html({"span", {}, Escaped(control.text)})};
    }
    case ControlKind::kCommandButton: {
      Element button{"button", {{"type", "button"}, {"id", id}}, Escaped(control.text)};
      FocusFirst(button, &control == first);
      return button;
    }
    case ControlKind::kFrame:
      break;
  }
  Element frame{"div", {{"id", id}}, ""};
  for (const ControlState* child : control.children) frame.content += HtmlOf(*child, first);
  // The options of one container are one group, and assistive technology is told so.
  for (const ControlState* child : control.children) {
    if (child->layout->kind == ControlKind::kOptionButton) {
      frame.attributes.emplace_back("role", "radiogroup");
      break;
    }
  }
  return frame;
}

std::string HtmlOf(const ControlState& control, const ControlState* first) {
  const ControlLayout& layout = *control.layout;
  const std::string id = IdOf(control);
  Element element = ElementOf(control, id, first);
  if (!layout.visible) element.attributes.emplace_back("hidden", "");
  if (!layout.accessibleName.empty()) {
    element.attributes.emplace_back("aria-label", std::string(layout.accessibleName));
  }
  const bool lineBox = layout.kind == ControlKind::kTextBox && !layout.multiLine;
  return (lineBox ? ReachOf(id) : "") + Html(element);
}

// The focus mark in black where black is seen beside the colour it is drawn on, else white.
window::Rgb MarkBeside(window::Rgb colour) {
  constexpr window::Rgb kBlack{0, 0, 0};
  constexpr window::Rgb kWhite{255, 255, 255};
  return window::ContrastRatio(kBlack, colour) >= window::kVisibleMark ? kBlack : kWhite;
}

std::vector<std::string> PlaceOf(const ControlLayout& layout) {
  const window::PixelRect pixels = window::ControlPixels(layout);
  return {"left:" + CssPixels(pixels.left), "top:" + CssPixels(pixels.top),
          "width:" + CssPixels(pixels.width), "height:" + CssPixels(pixels.height)};
}

// Where the control stands and its colours. A command button's focus mark is drawn on the
// button, every other control's beside it, on its container.
std::string StyleOf(const ControlState& control, window::Rgb containerColour) {
  const ControlLayout& layout = *control.layout;
  const std::string id = IdOf(control);
  std::vector<std::string> declarations = PlaceOf(layout);
  if (layout.background) {
    declarations.push_back("background-color:" + CssColour(*layout.background));
  }
  if (layout.centred) declarations.emplace_back("text-align:center");
  if (layout.verticalScrollBar) declarations.emplace_back("overflow-y:scroll");
  if (layout.kind != ControlKind::kLabel && layout.kind != ControlKind::kFrame) {
    const bool markOnIt = layout.kind == ControlKind::kCommandButton && layout.background;
    declarations.push_back("--mark:" +
                           CssColour(MarkBeside(markOnIt ? *layout.background : containerColour)));
  }
  const bool option = layout.kind == ControlKind::kOptionButton;
  std::string style =
      CssRule("#Veltaro " + AttributeSelector(option ? "for" : "id", id), declarations);
  if (layout.kind == ControlKind::kTextBox && !layout.multiLine) {
    style += CssRule("#Veltaro .reach" + AttributeSelector("for", id), PlaceOf(layout));
  }
  for (const ControlState* child : control.children) {
    style += StyleOf(*child, layout.background.value_or(containerColour));
  }
  return style;
}

// The window's size and colour, and its font, which the notice under it shares.
std::string WindowStyle(const window::WindowLayout& window) {
  const window::FontLayout& font = window.font;
  return CssRule(":root",
                 {"--window-width:" + CssPixels(window::TwipsToPixels(window.clientWidth)),
                  "--window-height:" + CssPixels(window::TwipsToPixels(window.clientHeight))}) +
         CssRule("#" + std::string(window.name),
                 {"background-color:" + CssColour(window.background)}) +
         CssRule("body",
                 {// Where Times New Roman is missing, the serif the page carries, which has its
                  // metrics.
                  "font-family:\"" + std::string(font.family) + R"(","Veltaro Serif",serif)",
                  "font-size:" + std::to_string(font.pointSize) + "pt",
                  "font-weight:" + std::to_string(font.weight),
                  std::string("font-style:") + (font.italic ? "italic" : "normal"),
                  std::string("text-decoration:") + (font.underline ? "underline" : "none")});
}

std::string NoticeHtml() {
  return Html({"p",
               {{"id", std::string(kNoticeId)},
                {"data-loading", std::string(kLoading)},
                {"data-refused", std::string(kCannotRun)},
                {"data-updated", std::string(kUpdated)}},
               Escaped(kNoScript)}) +
         Html({"p",
               {{"id", std::string(kAnnouncementId)}, {"role", "status"}, {"aria-atomic", "true"}},
               ""});
}

}  // namespace

WindowMarkup MarkUpWindow() {
  MarkupForm form;
  form.Load();
  const window::WindowLayout& layout = window::MainWindow();
  WindowMarkup markup{std::string(layout.caption), WindowStyle(layout), ""};
  // Inert, and so neither focused nor clicked, unless a script of the page's says that the
  // program can run: none does with JavaScript off.
  std::string controls;
  const ControlState* first = FirstToTakeFocus(form.Window());
  for (const ControlState* control : form.Window().children) {
    markup.style += StyleOf(*control, layout.background);
    controls += HtmlOf(*control, first);
  }
  markup.body = Html({"div", {{"id", std::string(layout.name)}, {"inert", ""}}, controls}) + "\n" +
                NoticeHtml() + "\n";
  return markup;
}

}  // namespace web
