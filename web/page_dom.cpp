#include "web/page_dom.h"

// The page's side, page_library.js: a text crosses as a pointer and its length in bytes.
extern "C" {
int veltaro_set_style(const char* id, std::size_t idLength, const char* property,
                      std::size_t propertyLength, const char* value, std::size_t valueLength);
int veltaro_set_flag(const char* id, std::size_t idLength, const char* property,
                     std::size_t propertyLength, int on);
int veltaro_set_text(const char* id, std::size_t idLength, const char* text,
                     std::size_t textLength);
int veltaro_get_text(const char* id, std::size_t idLength, char* buffer, std::size_t capacity);
int veltaro_get_units(const char* id, std::size_t idLength, char16_t* buffer, std::size_t capacity);
int veltaro_utf16(const char* text, std::size_t textLength, char16_t* buffer, std::size_t capacity);
int veltaro_cursor(const char* id, std::size_t idLength);
int veltaro_set_units(const char* id, std::size_t idLength, const char16_t* units,
                      std::size_t length, std::size_t cursor);
int veltaro_show_start(const char* id, std::size_t idLength);
int veltaro_focus(const char* id, std::size_t idLength);
int veltaro_holds_focus(const char* id, std::size_t idLength);
int veltaro_listen(const char* id, std::size_t idLength, const char* type, std::size_t typeLength,
                   void* page, int event, std::size_t position);
void veltaro_listen_text_widths(void* page, int event);
int veltaro_caption_width(const char* id, std::size_t idLength, int pointSize);
int veltaro_caption_room(const char* id, std::size_t idLength);
int veltaro_set_caption_size(const char* id, std::size_t idLength, int pointSize);
int veltaro_announce(const char* id, std::size_t idLength, const char* text,
                     std::size_t textLength);
int veltaro_decimal_separator(char* buffer, std::size_t capacity);
int veltaro_language(char* buffer, std::size_t capacity);
void veltaro_report(const char* owner, std::size_t ownerLength, const char* title,
                    std::size_t titleLength, const char* message, std::size_t messageLength,
                    const char* consequence, std::size_t consequenceLength, const char* button,
                    std::size_t buttonLength);
}

namespace web::dom {
namespace {

Outcome OutcomeOf(int answer) {
  if (answer < 0) return Outcome::kNoElement;
  return answer == 0 ? Outcome::kRefused : Outcome::kDone;
}

// A text the page writes into a buffer of ours. The page answers with the text's length,
// or a negative number where there is no element; a buffer too short is made long enough
// and the page asked again.
template <typename Char, typename Write>
std::optional<std::basic_string<Char>> Read(Write write) {
  std::basic_string<Char> text(16, Char{});
  for (;;) {
    const int length = write(text.data(), text.size() + 1);
    if (length < 0) return std::nullopt;
    const auto needed = static_cast<std::size_t>(length);
    const bool fitted = needed <= text.size();
    text.resize(needed);
    if (fitted) return text;
  }
}

// A text the page always answers with, whatever elements it holds: a conversion, a setting.
template <typename Char, typename Write>
std::basic_string<Char> ReadAlways(Write write) {
  return Read<Char>(write).value_or(std::basic_string<Char>{});
}

}  // namespace

Outcome SetStyle(std::string_view id, std::string_view property, std::string_view value) {
  return OutcomeOf(veltaro_set_style(id.data(), id.size(), property.data(), property.size(),
                                     value.data(), value.size()));
}

Outcome SetFlag(std::string_view id, std::string_view property, bool on) {
  return OutcomeOf(
      veltaro_set_flag(id.data(), id.size(), property.data(), property.size(), on ? 1 : 0));
}

Outcome SetText(std::string_view id, std::string_view text) {
  return OutcomeOf(veltaro_set_text(id.data(), id.size(), text.data(), text.size()));
}

std::optional<std::string> Text(std::string_view id) {
  return Read<char>([id](char* buffer, std::size_t capacity) {
    return veltaro_get_text(id.data(), id.size(), buffer, capacity);
  });
}

Outcome Focus(std::string_view id) { return OutcomeOf(veltaro_focus(id.data(), id.size())); }

bool HoldsFocus(std::string_view id) { return veltaro_holds_focus(id.data(), id.size()) > 0; }

Outcome ShowStart(std::string_view id) {
  return OutcomeOf(veltaro_show_start(id.data(), id.size()));
}

std::optional<std::u16string> Units(std::string_view id) {
  return Read<char16_t>([id](char16_t* buffer, std::size_t capacity) {
    return veltaro_get_units(id.data(), id.size(), buffer, capacity);
  });
}

std::optional<std::size_t> Cursor(std::string_view id) {
  const int cursor = veltaro_cursor(id.data(), id.size());
  if (cursor < 0) return std::nullopt;
  return static_cast<std::size_t>(cursor);
}

Outcome SetUnits(std::string_view id, std::u16string_view units, std::size_t cursor) {
  return OutcomeOf(veltaro_set_units(id.data(), id.size(), units.data(), units.size(), cursor));
}

std::u16string Utf16(std::string_view text) {
  return ReadAlways<char16_t>([text](char16_t* buffer, std::size_t capacity) {
    return veltaro_utf16(text.data(), text.size(), buffer, capacity);
  });
}

Outcome Listen(std::string_view id, std::string_view type, void* page, Event event,
               std::size_t position) {
  return OutcomeOf(veltaro_listen(id.data(), id.size(), type.data(), type.size(), page,
                                  static_cast<int>(event), position));
}

void ListenToTextWidths(void* page, Event event) {
  veltaro_listen_text_widths(page, static_cast<int>(event));
}

std::optional<int> CaptionWidth(std::string_view id, int pointSize) {
  const int width = veltaro_caption_width(id.data(), id.size(), pointSize);
  if (width < 0) return std::nullopt;
  return width;
}

std::optional<int> CaptionRoom(std::string_view id) {
  const int width = veltaro_caption_room(id.data(), id.size());
  if (width < 0) return std::nullopt;
  return width;
}

Outcome SetCaptionSize(std::string_view id, int pointSize) {
  return OutcomeOf(veltaro_set_caption_size(id.data(), id.size(), pointSize));
}

Outcome Announce(std::string_view id, std::string_view text) {
  return OutcomeOf(veltaro_announce(id.data(), id.size(), text.data(), text.size()));
}

std::string DecimalSeparator() {
  return ReadAlways<char>([](char* buffer, std::size_t capacity) {
    return veltaro_decimal_separator(buffer, capacity);
  });
}

std::string Language() {
  return ReadAlways<char>(
      [](char* buffer, std::size_t capacity) { return veltaro_language(buffer, capacity); });
}

void Report(std::string_view owner, std::string_view title, std::string_view message,
            std::string_view consequence, std::string_view button) {
  veltaro_report(owner.data(), owner.size(), title.data(), title.size(), message.data(),
                 message.size(), consequence.data(), consequence.size(), button.data(),
                 button.size());
}

}  // namespace web::dom
