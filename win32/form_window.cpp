#include "win32/form_window.h"

#include <string>

#include "win32/announcer.h"
#include "win32/control_colours.h"
#include "win32/control_windows.h"
#include "win32/dpi.h"
#include "win32/edit_box.h"
#include "win32/error_report.h"
#include "win32/focus_ring.h"
#include "win32/number_settings.h"
#include "win32/system_error.h"
#include "win32/text_conversion.h"
#include "win32/window_font.h"
#include "window/build_controls.h"
#include "window/keyboard.h"
#include "window/pixels.h"

namespace win32 {
namespace {

using window::ControlKind;
using window::ControlLayout;

// A fixed single border, and a title bar with the system menu and the close button only.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

}  // namespace

FormWindow::FormWindow(HINSTANCE instance) {
  RegisterWindowClass(instance, &WindowProcedure);
  const window::WindowLayout& layout = window::MainWindow();
  window_.reset(CreateWindowExW(kContainerExStyle, kWindowClass, ToUtf16(layout.caption).c_str(),
                                kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, nullptr, nullptr, instance, this));
  if (!window_) throw SystemError("Cannot create the window " + std::string(layout.name));
  SetFont(WindowDpi(Handle()));
  controls_.reserve(window::MainWindowControls().size());
  window::BuildControls(Handle(), [this](const ControlLayout& control, HWND container) {
    const ControlLayout* previous = controls_.empty() ? nullptr : controls_.back().layout;
    HWND handle = CreateControl(control, previous, controls_.size(), container, font_.get(),
                                control.kind == ControlKind::kFrame ? this : nullptr);
    controls_.push_back({&control, handle});
    if (control.kind == ControlKind::kTextBox) SubclassEditBox(handle, control);
    Add(control, handle);
    return handle;
  });
  announcer_ = CreateAnnouncer(Handle());
  Place();
  // Focus marks show or hide as Windows' keyboard-cues setting and the last input have them.
  SendMessageW(Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, UISF_HIDEFOCUS), 0);
}

void FormWindow::Annotate() {
  apartment_.emplace();
  for (const Control& control : controls_) {
    const ControlLayout& layout = *control.layout;
    if (!layout.accessibleName.empty()) SetAccessibleName(control.handle, layout.accessibleName);
  }
  SetLiveRegion(announcer_);
}

void FormWindow::SetFont(int dpi) {
  dpi_ = dpi;
  GdiObject<HFONT> font = WindowFont(window::MainWindow().font, dpi);
  for (const Control& control : controls_) {
    SendMessageW(control.handle, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  }
  font_ = std::move(font);
}

// Every control where the layout puts it, and the window's client area the layout's size,
// at the window's resolution.
void FormWindow::Place() {
  for (const Control& control : controls_) {
    const window::PixelRect pixels = window::ControlPixels(*control.layout, dpi_);
    SetWindowPos(control.handle, nullptr, pixels.left, pixels.top, pixels.width, pixels.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  const window::WindowLayout& layout = window::MainWindow();
  const RECT frame = FrameAround({0, 0, window::TwipsToPixels(layout.clientWidth, dpi_),
                                  window::TwipsToPixels(layout.clientHeight, dpi_)},
                                 kWindowStyle, kContainerExStyle, dpi_);
  SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK FormWindow::WindowProcedure(HWND handle, UINT message, WPARAM wParam,
                                             LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* form = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
  if (form == nullptr) return DefWindowProcW(handle, message, wParam, lParam);
  return form->OnMessage(handle, message, wParam, lParam);
}

LRESULT FormWindow::OnMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  if (handle == Handle() && focus_.OnMessage(handle, message, wParam)) return 0;
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        OnEnter();
      } else {
        OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
      }
      return 0;
    case WM_CTLCOLORSTATIC:
      return OnControlColour(handle, message, wParam, lParam);
    case WM_ERASEBKGND:
      OnEraseBackground(handle, reinterpret_cast<HDC>(wParam));
      return TRUE;
    case WM_PAINT:
      OnPaint(handle);
      return 0;
    case WM_UPDATEUISTATE:
      // Keyboard cues shown or hidden: the focus ring with them.
      if (handle == Handle() && LayoutOf(GetFocus()) != nullptr) {
        InvalidateFocusRing(GetFocus(), dpi_);
      }
      break;
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
      if (handle == Handle()) OnColoursChanged(message == WM_SYSCOLORCHANGE);
      break;
    case WM_GETFONT:
      // The window and its frame have the font they give their controls.
      return reinterpret_cast<LRESULT>(font_.get());
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_DESTROY:
      if (handle == Handle()) OnDestroy();
      return 0;
    case WM_NCDESTROY:
      if (handle == Handle()) static_cast<void>(window_.release());
      break;
    default:
      break;
  }
  return DefWindowProcW(handle, message, wParam, lParam);
}

void FormWindow::OnCommand(HWND control, int code) {
  const ControlLayout* layout = LayoutOf(control);
  if (layout == nullptr) return;
  if (code == EN_SETFOCUS || code == EN_KILLFOCUS || code == BN_SETFOCUS || code == BN_KILLFOCUS) {
    InvalidateFocusRing(control, dpi_);
    return;
  }
  if (layout->kind == ControlKind::kCommandButton) {
    // A quick second click on an owner-drawn button arrives as a double click.
    if (code == BN_CLICKED || code == BN_DOUBLECLICKED) Click(*layout);
  } else if (layout->kind == ControlKind::kOptionButton) {
    // Click is raised when the user makes a button the selected one, never on clearing.
    if (code == BN_CLICKED && SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED) {
      Click(*layout);
    }
  }
}

void FormWindow::OnEnter() {
  const ControlLayout* focused = LayoutOf(GetFocus());
  if (focused != nullptr && window::EnterPresses(*focused)) Click(*focused);
}

void FormWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  SetFont(dpi);
  Place();
  ForEachLabel2([](Win32Label& label) { label.FitCaption(); });
  SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(Handle(), nullptr, TRUE);
}

// Closing the window ends the program; what screen readers were told of its controls goes
// with it.
void FormWindow::OnDestroy() {
  for (const Control& control : controls_) ClearAnnotations(control.handle);
  ClearAnnotations(announcer_);
  PostQuitMessage(0);
}

void FormWindow::ReportError(const calc::RuntimeError& error) {
  win32::ReportError(Handle(), error, window::Consequence::kGoesOn);
}

const ControlLayout* FormWindow::LayoutOf(HWND handle) const {
  const auto position = static_cast<std::size_t>(GetDlgCtrlID(handle) - kFirstControlId);
  if (position >= controls_.size() || controls_[position].handle != handle) return nullptr;
  return controls_[position].layout;
}

calc::NumberFormat FormWindow::UserNumberFormat() const {
  return NumberFormatOf(LOCALE_NAME_USER_DEFAULT);
}

}  // namespace win32
