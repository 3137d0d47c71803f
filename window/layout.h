#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace window {

struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;

  friend bool operator==(const Rgb&, const Rgb&) = default;
};

enum class ControlKind { kTextBox, kLabel, kFrame, kOptionButton, kCommandButton };

struct ControlName {
  std::string_view name;
  std::int16_t index;
};

// A control that is no array element, such as the frame.
constexpr std::int16_t kNotAnArray = -1;

// One control as the window opens. Records stand in tab order; lengths are in twips,
// 1/1440 inch.
struct ControlLayout {
  std::string_view name;
  std::int16_t index = kNotAnArray;
  ControlKind kind = ControlKind::kLabel;
  std::string_view container;  // empty for the window itself
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::optional<Rgb> background;  // none: the system's colour for the kind
  std::string_view text;          // caption, or a box's text at start
  bool centred = false;
  bool multiLine = false;
  bool locked = false;
  bool verticalScrollBar = false;
  bool visible = true;
  int maxLength = 0;  // in characters (code points); 0: no limit
  // The label whose caption names a box for assistive technology.
  std::optional<ControlName> labelledBy;
  // What assistive technology calls a control that no label names; empty for none.
  std::string_view accessibleName;
  // A text the program writes here is read out by a screen reader as it changes (a polite
  // live region), without the focus moving to it.
  bool announcesChanges = false;
};

struct FontLayout {
  std::string_view family;
  int pointSize;
  int weight;
  bool italic;
  bool underline;
  int charset;
};

struct WindowLayout {
  std::string_view name;
  std::string_view caption;
  int clientWidth;
  int clientHeight;
  Rgb background;
  FontLayout font;
};

const WindowLayout& MainWindow();

std::span<const ControlLayout> MainWindowControls();

}  // namespace window
