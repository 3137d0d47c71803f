#include "window/announcement.h"

namespace window {

std::optional<std::string> Announcement(const ControlLayout& control, std::string_view labelCaption,
                                        std::string_view text) {
  if (!control.announcesChanges || text.empty()) return std::nullopt;
  if (labelCaption.empty()) return std::string(text);
  std::string words(labelCaption);
  words += ' ';
  words += text;
  return words;
}

}  // namespace window
