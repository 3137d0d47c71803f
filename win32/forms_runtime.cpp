#include "win32/forms_runtime.h"

#include <cstdlib>
#include <memory>

#include "win32/error_report.h"
#include "win32/form_window.h"
#include "window/window_placement.h"

namespace win32 {
namespace {

// Centred in the work area of its monitor, and kept on it (see window::CentredInWorkArea).
void CentreOnItsMonitor(HWND form) {
  RECT frame{};
  GetWindowRect(form, &frame);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(form, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& work = monitor.rcWork;
  const window::PixelPoint corner = window::CentredInWorkArea(
      {frame.right - frame.left, frame.bottom - frame.top},
      {work.left, work.top, work.right - work.left, work.bottom - work.top});
  SetWindowPos(form, nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

int Run(HINSTANCE instance, int showCommand) {
  std::unique_ptr<FormWindow> form;
  try {
    form = std::make_unique<FormWindow>(instance);
    form->Load();
  } catch (const calc::RuntimeError& error) {
    ReportError(form ? form->Handle() : nullptr, error, window::Consequence::kEnds);
    return EXIT_FAILURE;
  }
  CentreOnItsMonitor(form->Handle());
  ShowWindow(form->Handle(), showCommand);
  UpdateWindow(form->Handle());
  form->Annotate();
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Tab, Shift+Tab and the arrow keys move through the controls as in any dialog.
    if (IsDialogMessageW(form->Handle(), &message) != FALSE) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace win32
