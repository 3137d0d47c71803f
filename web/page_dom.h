#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The page's elements as the program reaches them: each found by its id for every
// operation, as the page's side of the program (page_library.js) reads and writes them.
namespace web::dom {

// What an operation on an element found.
enum class Outcome { kNoElement = -1, kRefused = 0, kDone = 1 };

// What the program hands on to the page with each event it listens for.
enum class Event { kClick, kEdit, kTextWidthsChanged };

Outcome SetStyle(std::string_view id, std::string_view property, std::string_view value);
// A boolean property of the element, such as readOnly, checked, hidden or inert.
Outcome SetFlag(std::string_view id, std::string_view property, bool on);
// A box's value, or a caption.
Outcome SetText(std::string_view id, std::string_view text);
std::optional<std::string> Text(std::string_view id);
Outcome Focus(std::string_view id);
// Whether the focus is on the element or on one inside it.
bool HoldsFocus(std::string_view id);
Outcome ShowStart(std::string_view id);

// A box's text as the box holds it, with its cursor as a unit offset.
std::optional<std::u16string> Units(std::string_view id);
std::optional<std::size_t> Cursor(std::string_view id);
Outcome SetUnits(std::string_view id, std::u16string_view units, std::size_t cursor);
// The UTF-16 units of a text, as a box would hold it.
std::u16string Utf16(std::string_view text);

// Hands the element's events of the type to the page's OnEvent, with the event and the control's
// place in the layout.
Outcome Listen(std::string_view id, std::string_view type, void* page, Event event,
               std::size_t position);

// Hands on each change that may change how wide the captions are drawn: the end of the
// loading of fonts that the page's text asked for, and a reader's own spacing put on.
void ListenToTextWidths(void* page, Event event);

// A control's caption: its width on one line at the point size, as the page draws it; the
// width it has to be drawn in; the size it is drawn at. In CSS pixels and points.
std::optional<int> CaptionWidth(std::string_view id, int pointSize);
std::optional<int> CaptionRoom(std::string_view id);
Outcome SetCaptionSize(std::string_view id, int pointSize);

// Has a screen reader say the text, from the status element of that id: again when it
// is the same text as the last.
Outcome Announce(std::string_view id, std::string_view text);

// The decimal separator the browser's first language writes after Latin digits.
std::string DecimalSeparator();
// The browser's first language, as a BCP 47 tag; empty where it names none.
std::string Language();

// A modal report inside the owner element, with the button that dismisses it.
void Report(std::string_view owner, std::string_view title, std::string_view message,
            std::string_view consequence, std::string_view button);

}  // namespace web::dom
