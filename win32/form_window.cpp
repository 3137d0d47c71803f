#include "win32/form_window.h"

#include <string>

#include "win32/command_button.h"
#include "win32/control_class.h"
#include "win32/error_report.h"
#include "win32/system_error.h"
#include "win32/text_conversion.h"
#include "win32/window_font.h"
#include "window/build_controls.h"
#include "window/control_error.h"
#include "window/pixels.h"

namespace win32 {
namespace {

using window::ControlKind;
using window::ControlLayout;

constexpr WORD kIconId = 1;
// Enter and Esc send IDOK and IDCANCEL, which no control has: neither button answers them.
constexpr int kFirstControlId = 100;
constexpr WORD kSelectAllId = 99;
// A fixed single border, and a title bar with the system menu and the close button only.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

COLORREF ToColorRef(window::Rgb rgb) { return RGB(rgb.red, rgb.green, rgb.blue); }

HICON LoadWindowIcon(HINSTANCE instance, int sizeMetric) {
  const int side = GetSystemMetrics(sizeMetric);
  return static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON, side, side, LR_DEFAULTCOLOR));
}

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

WNDPROC EditProcedure(HWND box) {
  return reinterpret_cast<WNDPROC>(GetClassLongPtrW(box, GCLP_WNDPROC));
}

}  // namespace

void FormWindow::WindowDestroyer::operator()(HWND window) const {
  EnumChildWindows(
      window,
      [](HWND child, LPARAM) -> BOOL {
        SetWindowLongPtrW(child, GWLP_USERDATA, 0);
        return TRUE;
      },
      0);
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  DestroyWindow(window);
}

FormWindow::FormWindow(HINSTANCE instance) : instance_(instance) {
  RegisterWindowClass(instance, &WindowProcedure);
  const window::WindowLayout& layout = window::MainWindow();
  window_.reset(CreateWindowExW(kContainerExStyle, kWindowClass, ToUtf16(layout.caption).c_str(),
                                kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, nullptr, nullptr, instance, this));
  if (!window_) throw SystemError("Cannot create the window " + std::string(layout.name));
  SetFont(static_cast<int>(GetDpiForWindow(Handle())));
  controls_.reserve(window::MainWindowControls().size());
  window::BuildControls(Handle(), [this](const ControlLayout& control, HWND container) {
    HWND handle = CreateControl(control, container);
    Bind(control, handle);
    return handle;
  });
  Place();
  ACCEL selectAll{FCONTROL | FVIRTKEY, 'A', kSelectAllId};
  accelerators_.reset(CreateAcceleratorTableW(&selectAll, 1));
}

HWND FormWindow::CreateControl(const ControlLayout& layout, HWND container) {
  const ControlClass kind = ClassOf(layout, controls_.empty() ? nullptr : controls_.back().layout);
  const int id = kFirstControlId + static_cast<int>(controls_.size());
  HWND handle = CreateWindowExW(kind.exStyle, kind.name, nullptr, kind.style, 0, 0, 0, 0, container,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_,
                                layout.kind == ControlKind::kFrame ? this : nullptr);
  const std::string name = window::ControlNameOf(layout);
  if (handle == nullptr) throw SystemError("Cannot create " + name);
  Element& control = controls_.emplace_back(Element{&layout, handle, std::nullopt});

  if (layout.kind == ControlKind::kTextBox) {
    SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&BoxProcedure));
    if (layout.maxLength > 0) {
      control.limit.emplace(static_cast<std::size_t>(layout.maxLength));
      // Room for as many pairs, so that Windows' own count of units never cuts a character.
      SendMessageW(handle, EM_LIMITTEXT, 2 * static_cast<WPARAM>(layout.maxLength), 0);
    }
  }
  // The font before the text: a box of several lines lays its text out in the font it has.
  SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  if (!layout.text.empty() && layout.kind != ControlKind::kFrame &&
      SetWindowTextW(handle, ToUtf16(layout.text).c_str()) == FALSE) {
    throw SystemError("Cannot write the text of " + name);
  }
  return handle;
}

void FormWindow::Bind(const ControlLayout& layout, HWND handle) {
  if (layout.name == text2_.Name()) {
    text2_.Add(layout.index, handle, static_cast<std::size_t>(layout.maxLength));
  } else if (layout.name == label2_.Name()) {
    label2_.Add(layout.index, handle);
  } else if (layout.name == option1_.Name()) {
    option1_.Add(layout.index, handle);
  }
}

void FormWindow::SetFont(int dpi) {
  dpi_ = dpi;
  GdiObject<HFONT> font = WindowFont(window::MainWindow().font, dpi);
  for (const Element& control : controls_) {
    SendMessageW(control.handle, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  }
  font_ = std::move(font);
}

// Every control where the layout puts it, and the window's client area the layout's size,
// at the window's resolution.
void FormWindow::Place() {
  for (const Element& control : controls_) {
    const window::PixelRect pixels = window::ControlPixels(*control.layout, dpi_);
    SetWindowPos(control.handle, nullptr, pixels.left, pixels.top, pixels.width, pixels.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  const window::WindowLayout& layout = window::MainWindow();
  RECT frame{0, 0, window::TwipsToPixels(layout.clientWidth, dpi_),
             window::TwipsToPixels(layout.clientHeight, dpi_)};
  AdjustWindowRectExForDpi(&frame, kWindowStyle, FALSE, kContainerExStyle, static_cast<UINT>(dpi_));
  SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::Load() { logic_.Form_Load(); }

void FormWindow::Show(int showCommand) {
  RECT frame{};
  GetWindowRect(Handle(), &frame);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(Handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& work = monitor.rcWork;
  const int left = work.left + (work.right - work.left - (frame.right - frame.left)) / 2;
  const int top = work.top + (work.bottom - work.top - (frame.bottom - frame.top)) / 2;
  SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(Handle(), showCommand);
  UpdateWindow(Handle());
}

bool FormWindow::PreTranslate(MSG& message) {
  return TranslateAcceleratorW(Handle(), accelerators_.get(), &message) != 0 ||
         IsDialogMessageW(Handle(), &message) != FALSE;
}

LRESULT CALLBACK FormWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* form = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (form == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return form->OnMessage(window, message, wParam, lParam);
}

LRESULT CALLBACK FormWindow::BoxProcedure(HWND box, UINT message, WPARAM wParam,
                                          LPARAM lParam) noexcept {
  auto* form = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(box, GWLP_USERDATA));
  Element* control = form != nullptr ? form->Find(box) : nullptr;
  if (control == nullptr) return CallWindowProcW(EditProcedure(box), box, message, wParam, lParam);
  return form->OnBoxMessage(*control, message, wParam, lParam);
}

LRESULT FormWindow::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:
      return OnControlColour(window, message, wParam, lParam);
    case WM_ERASEBKGND:
      OnEraseBackground(window, reinterpret_cast<HDC>(wParam));
      return TRUE;
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_ACTIVATE:
      if (window != Handle()) break;
      OnActivate(LOWORD(wParam) != WA_INACTIVE);
      return 0;
    case WM_GETFONT:
      // The window and its frame have the font they give their controls.
      return reinterpret_cast<LRESULT>(font_.get());
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_DESTROY:
      // Closing the window ends the program.
      if (window == Handle()) PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      if (window == Handle()) static_cast<void>(window_.release());
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT FormWindow::OnBoxMessage(Element& box, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CHAR:
      if (box.limit && !box.limit->Takes(box.handle, static_cast<wchar_t>(wParam))) return 0;
      break;
    case WM_PASTE:
      if (box.limit && (GetWindowLongPtrW(box.handle, GWL_STYLE) & ES_READONLY) == 0) {
        box.limit->Paste(box.handle);
        return 0;
      }
      break;
    case WM_GETDLGCODE:
      // Tab leaves the help text as it leaves every other box.
      if (box.layout->multiLine) {
        return CallWindowProcW(EditProcedure(box.handle), box.handle, message, wParam, lParam) &
               ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTTAB);
      }
      break;
    default:
      break;
  }
  return CallWindowProcW(EditProcedure(box.handle), box.handle, message, wParam, lParam);
}

template <typename Handler>
void FormWindow::Dispatch(Handler handler) {
  // The boundary of the message loop: no error may cross it, so each is reported here.
  try {
    handler();
  } catch (const calc::RuntimeError& error) {
    ReportError(Handle(), error, window::Consequence::kGoesOn);
  }
}

void FormWindow::OnCommand(int id, int code) {
  if (id == kSelectAllId) {
    SelectAllInFocusedBox();
    return;
  }
  const auto position = static_cast<std::size_t>(id - kFirstControlId);
  if (id < kFirstControlId || position >= controls_.size()) return;
  const Element& control = controls_[position];
  const std::int16_t index = control.layout->index;
  if (control.layout->kind == ControlKind::kCommandButton) {
    // A quick second click on an owner-drawn button arrives as a double click.
    if (code == BN_CLICKED || code == BN_DOUBLECLICKED) {
      Dispatch([&] { logic_.Command1_Click(index); });
    }
  } else if (control.layout->kind == ControlKind::kOptionButton) {
    // Click is raised when the user makes a button the selected one, never on clearing.
    if (code == BN_CLICKED && SendMessageW(control.handle, BM_GETCHECK, 0, 0) == BST_CHECKED) {
      Dispatch([&] { logic_.Option1_Click(index); });
    }
  }
}

// Labels and option buttons in their layout colours; a locked box keeps the system's window
// colour, as every box does, where Windows would draw it grey.
LRESULT FormWindow::OnControlColour(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto dc = reinterpret_cast<HDC>(wParam);
  const Element* control = Find(reinterpret_cast<HWND>(lParam));
  if (control == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  if (control->layout->kind == ControlKind::kTextBox) {
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  }
  if (!control->layout->background) return DefWindowProcW(window, message, wParam, lParam);
  SetBkColor(dc, ToColorRef(*control->layout->background));
  return reinterpret_cast<LRESULT>(Brush(*control->layout->background));
}

void FormWindow::OnEraseBackground(HWND window, HDC dc) {
  const Element* frame = Find(window);
  const window::Rgb background = frame != nullptr && frame->layout->background
                                     ? *frame->layout->background
                                     : window::MainWindow().background;
  RECT client{};
  GetClientRect(window, &client);
  FillRect(dc, &client, Brush(background));
}

void FormWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const Element* button = Find(item.hwndItem);
  if (button == nullptr || !button->layout->background) return;
  DrawCommandButton(item, Brush(*button->layout->background), dpi_);
}

// The focus comes back to the control that had it, the first one at the start.
void FormWindow::OnActivate(bool active) {
  if (!active) {
    focus_ = GetFocus();
    return;
  }
  if (focus_ == nullptr || IsChild(Handle(), focus_) == FALSE) {
    focus_ = GetNextDlgTabItem(Handle(), nullptr, FALSE);
  }
  SetFocus(focus_);
}

void FormWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  SetFont(dpi);
  Place();
  SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void FormWindow::SelectAllInFocusedBox() const {
  HWND focus = GetFocus();
  for (const Element& control : controls_) {
    if (control.handle == focus && control.layout->kind == ControlKind::kTextBox) {
      SendMessageW(focus, EM_SETSEL, 0, -1);
    }
  }
}

HBRUSH FormWindow::Brush(window::Rgb rgb) {
  const COLORREF colour = ToColorRef(rgb);
  for (const auto& [made, brush] : brushes_) {
    if (made == colour) return brush.get();
  }
  // Made at the first paint that needs it, and kept for every later one.
  return brushes_.emplace_back(colour, CreateSolidBrush(colour)).second.get();
}

FormWindow::Element* FormWindow::Find(HWND handle) {
  for (Element& control : controls_) {
    if (control.handle == handle) return &control;
  }
  return nullptr;
}

HWND FormWindow::Control(std::string_view name) const {
  for (const Element& control : controls_) {
    if (window::ControlNameOf(*control.layout) == name) return control.handle;
  }
  return nullptr;
}

window::TextBox& FormWindow::Text2(std::int16_t index) { return text2_.Item(index); }

window::Label& FormWindow::Label2(std::int16_t index) { return label2_.Item(index); }

window::OptionButton& FormWindow::Option1(std::int16_t index) { return option1_.Item(index); }

calc::NumberFormat FormWindow::UserNumberFormat() const {
  // Windows allows the separator at most three characters.
  wchar_t separator[4] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4) == 0) return {};
  return {.decimalSeparator = ToUtf8(separator)};
}

}  // namespace win32
