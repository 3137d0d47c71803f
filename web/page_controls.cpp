#include "web/page_controls.h"

#include <cstddef>
#include <optional>
#include <utility>

#include "web/page_parts.h"
#include "window/announcement.h"
#include "window/character_limit.h"
#include "window/control_error.h"
#include "window/fitted_caption.h"

namespace web {

void PageControl::Check(dom::Outcome outcome, std::string_view property) const {
  if (outcome == dom::Outcome::kNoElement) Missing();
  Expect(outcome == dom::Outcome::kDone, property);
}

// The caption in the window's font, in a smaller size where it would not fit its room on
// one line at the window's.
void PageControl::FitCaption() const {
  const std::optional<int> room = dom::CaptionRoom(Id());
  if (!room) Missing();
  const int size =
      window::FittedPointSize(window::MainWindow().font.pointSize, *room, [this](int pointSize) {
        const std::optional<int> width = dom::CaptionWidth(Id(), pointSize);
        if (!width) Missing();
        return *width;
      });
  Check(dom::SetCaptionSize(Id(), size), "Caption");
}

std::string PageTextBox::Text() const {
  std::optional<std::string> text = dom::Text(Id());
  if (!text) Missing();
  return std::move(*text);
}

void PageTextBox::SetText(std::string_view text) {
  // The page lets the program write past a box's limit; the window never does.
  const auto limit = static_cast<std::size_t>(Layout().maxLength);
  Expect(limit == 0 || window::CharacterCount(dom::Utf16(text)) <= limit, "Text");
  Check(dom::SetText(Id(), text), "Text");
  Check(dom::ShowStart(Id()), "Text");
  Announce(text);
}

// The label's caption, as the page shows it now, names the text in what the reader says.
void PageTextBox::Announce(std::string_view text) const {
  std::string caption;
  if (const std::optional<window::ControlName> label = Layout().labelledBy) {
    caption = dom::Text(window::ElementName(label->name, label->index)).value_or("");
  }
  if (const std::optional<std::string> words = window::Announcement(Layout(), caption, text)) {
    dom::Announce(kAnnouncementId, *words);
  }
}

void PageTextBox::SetLocked(bool locked) {
  Check(dom::SetFlag(Id(), "readOnly", locked), "Locked");
}

void PageLabel::SetCaption(std::string_view caption) {
  Check(dom::SetText(Id(), caption), "Caption");
  FitCaption();
}

void PageOptionButton::SetCaption(std::string_view caption) {
  Check(dom::SetText(Id(), caption), "Caption");
  FitCaption();
}

// The page raises no event as the program sets the value.
void PageOptionButton::SetValue(bool value) {
  Check(dom::SetFlag(Id(), "checked", value), "Value");
}

}  // namespace web
