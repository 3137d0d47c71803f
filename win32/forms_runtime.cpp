#include "win32/forms_runtime.h"

#include <cstdlib>
#include <memory>

#include "win32/error_report.h"
#include "win32/form_window.h"

namespace win32 {

int Run(HINSTANCE instance, int showCommand) {
  std::unique_ptr<FormWindow> form;
  try {
    form = std::make_unique<FormWindow>(instance);
    form->Load();
  } catch (const calc::RuntimeError& error) {
    ReportError(form ? form->Handle() : nullptr, error, window::Consequence::kEnds);
    return EXIT_FAILURE;
  }
  form->Show(showCommand);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (form->PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace win32
