#include "win32/control_windows.h"

#include <string>

#include "win32/system_error.h"
#include "win32/text_conversion.h"
#include "window/control_error.h"

namespace win32 {
namespace {

using window::ControlKind;
using window::ControlLayout;

constexpr WORD kIconId = 1;

HICON LoadWindowIcon(HINSTANCE instance, int sizeMetric) {
  const int side = GetSystemMetrics(sizeMetric);
  return static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON, side, side, LR_DEFAULTCOLOR));
}

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
      // The group's first button holds its one Tab stop. Buttons tell the window when they
      // take and lose the focus, which it marks (see focus_ring.h).
      return {L"BUTTON",
              static_cast<DWORD>(BS_AUTORADIOBUTTON | BS_NOTIFY | (startsGroup ? WS_TABSTOP : 0)),
              0};
    case ControlKind::kCommandButton:
      // Drawn by the window: a plain push button ignores the colour it is given.
      return {L"BUTTON", BS_OWNERDRAW | BS_NOTIFY | WS_TABSTOP, 0};
    case ControlKind::kFrame:
      break;
  }
  // A frame without border or caption: a plain container of the window's own class.
  return {kWindowClass, 0, kContainerExStyle};
}

}  // namespace

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadWindowIcon(instance, SM_CXICON);
  windowClass.hIconSm = LoadWindowIcon(instance, SM_CXSMICON);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kWindowClass;
  if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw SystemError("Cannot register the window class");
  }
}

ControlClass ClassOf(const ControlLayout& control, const ControlLayout* previous) {
  const bool startsGroup = StartsGroup(control, previous);
  ControlClass made = KindClass(control, startsGroup);
  made.style |= WS_CHILD | (control.visible ? WS_VISIBLE : 0) | (startsGroup ? WS_GROUP : 0);
  return made;
}

// creation goes on to CreateWindowExW, which takes it as LPVOID, not as a pointer to const.
HWND CreateControl(const ControlLayout& control, const ControlLayout* previous,
                   // cppcheck-suppress constParameterPointer
                   std::size_t tabPosition, HWND container, HFONT font, void* creation) {
  const ControlClass kind = ClassOf(control, previous);
  HWND handle = CreateWindowExW(
      kind.exStyle, kind.name, nullptr, kind.style, 0, 0, 0, 0, container,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(tabPosition))),
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(container, GWLP_HINSTANCE)), creation);
  const std::string name = window::ControlNameOf(control);
  if (handle == nullptr) throw SystemError("Cannot create " + name);
  // The font before the text: a box of several lines lays its text out in the font it has.
  SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (!control.text.empty() && control.kind != ControlKind::kFrame &&
      SetWindowTextW(handle, ToUtf16(control.text).c_str()) == FALSE) {
    throw SystemError("Cannot write the text of " + name);
  }
  return handle;
}

}  // namespace win32
