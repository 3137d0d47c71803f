#include "app/forms_runtime.h"

#include <QApplication>
#include <QScreen>
#include <cstdlib>

#include "app/error_report.h"
#include "app/form_window.h"
#include "app/window_style.h"

namespace app {
namespace {

void CentreOnScreen(QWidget& window) {
  const QRect screen = window.screen()->availableGeometry();
  window.move(screen.center() - window.rect().center());
}

}  // namespace

int Run(int argc, char** argv) {
  QApplication application(argc, argv);
  InstallWindowStyle();
  FormWindow form;
  try {
    form.Load();
  } catch (const calc::RuntimeError& error) {
    ReportError(nullptr, error, Consequence::kEnds);
    return EXIT_FAILURE;
  }
  CentreOnScreen(form);
  form.show();
  return QApplication::exec();
}

}  // namespace app
