#include "win32/control_class.h"

namespace win32 {
namespace {

using window::ControlKind;
using window::ControlLayout;

// The arrow keys move within a group: the option buttons of one container form one.
bool StartsGroup(const ControlLayout& control, const ControlLayout* previous) {
  return control.kind != ControlKind::kOptionButton || previous == nullptr ||
         previous->kind != ControlKind::kOptionButton || previous->container != control.container;
}

ControlClass KindClass(const ControlLayout& control, bool startsGroup) {
  switch (control.kind) {
    case ControlKind::kTextBox: {
      DWORD style =
          WS_TABSTOP | (control.centred ? ES_CENTER : ES_LEFT) | (control.locked ? ES_READONLY : 0);
      // A box of several lines wraps at word boundaries; one of a single line scrolls.
      style |= control.multiLine
                   ? ES_MULTILINE | ES_AUTOVSCROLL | (control.verticalScrollBar ? WS_VSCROLL : 0)
                   : ES_AUTOHSCROLL;
      return {L"EDIT", style, WS_EX_CLIENTEDGE};
    }
    case ControlKind::kLabel:
      return {L"STATIC", static_cast<DWORD>((control.centred ? SS_CENTER : SS_LEFT) | SS_NOPREFIX),
              0};
    case ControlKind::kOptionButton:
      // The group's first button holds its one Tab stop.
      return {L"BUTTON", static_cast<DWORD>(BS_AUTORADIOBUTTON | (startsGroup ? WS_TABSTOP : 0)),
              0};
    case ControlKind::kCommandButton:
      // Drawn by the window: a plain push button ignores the colour it is given.
      return {L"BUTTON", BS_OWNERDRAW | WS_TABSTOP, 0};
    case ControlKind::kFrame:
      break;
  }
  // A frame without border or caption: a plain container of the window's own class.
  return {kWindowClass, 0, kContainerExStyle};
}

}  // namespace

ControlClass ClassOf(const ControlLayout& control, const ControlLayout* previous) {
  const bool startsGroup = StartsGroup(control, previous);
  ControlClass made = KindClass(control, startsGroup);
  made.style |= WS_CHILD | (control.visible ? WS_VISIBLE : 0) | (startsGroup ? WS_GROUP : 0);
  return made;
}

}  // namespace win32
