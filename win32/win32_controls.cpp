#include "win32/win32_controls.h"

#include <optional>
#include <utility>

#include "win32/announcer.h"
#include "win32/fitted_label_font.h"
#include "win32/text_conversion.h"
#include "win32/window_text.h"
#include "window/announcement.h"
#include "window/character_limit.h"

namespace win32 {
namespace {

// Windows keeps a group's Tab stop on its checked button; with none checked the first takes
// it, so that the keyboard still reaches the group.
void KeepGroupReachable(HWND button) {
  HWND first = nullptr;
  for (HWND sibling = GetWindow(GetParent(button), GW_CHILD); sibling != nullptr;
       sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    if (SendMessageW(sibling, BM_GETCHECK, 0, 0) == BST_CHECKED) return;
    if (first == nullptr) first = sibling;
  }
  if (first != nullptr) {
    SetWindowLongPtrW(first, GWL_STYLE, GetWindowLongPtrW(first, GWL_STYLE) | WS_TABSTOP);
  }
}

}  // namespace

// The caption of the label that names the box: the control before it, as Windows itself
// names a box for a screen reader.
std::string Win32TextBox::LabelCaption(HWND box) const {
  if (!Layout().labelledBy) return {};
  return ToUtf8(WindowText(GetWindow(box, GW_HWNDPREV)).value_or(L""));
}

HWND Win32Control::Existing() const {
  if (IsWindow(handle_) == FALSE) Missing();
  return handle_;
}

void Win32Control::SetTextChecked(std::wstring_view text, std::string_view property) {
  const std::wstring terminated(text);
  Expect(SetWindowTextW(Existing(), terminated.c_str()) != FALSE, property);
}

std::string Win32TextBox::Text() const {
  const std::optional<std::wstring> text = WindowText(Existing());
  if (!text) Rejected("Text");
  return ToUtf8(*text);
}

void Win32TextBox::SetText(std::string_view text) {
  const std::wstring wide = ToUtf16(text);
  // Windows lets the program write past a box's limit; the window never does.
  const auto limit = static_cast<std::size_t>(Layout().maxLength);
  Expect(limit == 0 || window::CharacterCount(ToChar16(wide)) <= limit, "Text");
  SetTextChecked(wide, "Text");
  // A text wider than the box shows its beginning, so that a minus sign is always seen.
  SendMessageW(Existing(), EM_SETSEL, 0, 0);
  SendMessageW(Existing(), EM_SCROLLCARET, 0, 0);
  const std::optional<std::string> words =
      window::Announcement(Layout(), LabelCaption(Existing()), text);
  if (words) Announce(GetAncestor(Existing(), GA_ROOT), *words);
}

void Win32TextBox::SetLocked(bool locked) {
  Expect(SendMessageW(Existing(), EM_SETREADONLY, locked ? TRUE : FALSE, 0) != 0, "Locked");
}

void Win32Label::SetCaption(std::string_view caption) {
  SetTextChecked(ToUtf16(caption), "Caption");
  FitCaption();
}

void Win32Label::FitCaption() {
  HWND label = Existing();
  const auto windowFont = reinterpret_cast<HFONT>(SendMessageW(GetParent(label), WM_GETFONT, 0, 0));
  GdiObject<HFONT> fitted = FittedLabelFont(label, windowFont);
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(fitted ? fitted.get() : windowFont),
               TRUE);
  // The font it replaces is deleted only once the label no longer draws with it.
  fittedFont_ = std::move(fitted);
}

void Win32OptionButton::SetCaption(std::string_view caption) {
  SetTextChecked(ToUtf16(caption), "Caption");
}

void Win32OptionButton::SetValue(bool value) {
  HWND button = Existing();
  const WPARAM wanted = value ? BST_CHECKED : BST_UNCHECKED;
  SendMessageW(button, BM_SETCHECK, wanted, 0);
  Expect(static_cast<WPARAM>(SendMessageW(button, BM_GETCHECK, 0, 0)) == wanted, "Value");
  if (!value) KeepGroupReachable(button);
}

}  // namespace win32
