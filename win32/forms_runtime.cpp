#include "win32/forms_runtime.h"

#include <cstdlib>
#include <memory>

#include "win32/error_report.h"
#include "win32/form_window.h"

namespace win32 {
namespace {

void CentreOnItsMonitor(HWND form) {
  RECT frame{};
  GetWindowRect(form, &frame);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(form, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& work = monitor.rcWork;
  const int left = work.left + (work.right - work.left - (frame.right - frame.left)) / 2;
  const int top = work.top + (work.bottom - work.top - (frame.bottom - frame.top)) / 2;
  SetWindowPos(form, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
