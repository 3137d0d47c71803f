#include "app/forms_runtime.h"

#include <QApplication>
#include <QScreen>
#include <cstdlib>

#include "app/accessibility.h"
#include "app/end_on_destroy.h"
#include "app/error_report.h"
#include "app/form_window.h"
#include "app/given_session.h"
#include "app/identity.h"
#include "app/platform_start.h"
#include "app/standard_texts.h"
#include "app/window_font.h"
#include "app/window_style.h"
#include "window/layout.h"
#include "window/window_placement.h"

namespace app {
namespace {

// Centred in the screen's work area, and kept on it (see window::CentredInWorkArea).
void CentreOnScreen(QWidget& form) {
  const QRect area = form.screen()->availableGeometry();
  const QSize frame = form.frameGeometry().size();
  const window::PixelPoint corner = window::CentredInWorkArea(
      {frame.width(), frame.height()}, {area.left(), area.top(), area.width(), area.height()});
  form.move(corner.x, corner.y);
}

}  // namespace

int Run(int argc, char** argv) {
  QCoreApplication::setApplicationName(QString::fromUtf8(identity::kApplicationName));
  QCoreApplication::setApplicationVersion(QString::fromUtf8(identity::kVersion));
  QCoreApplication::setOrganizationName(QString::fromUtf8(identity::kOrganisation));
  QCoreApplication::setOrganizationDomain(QString::fromUtf8(identity::kOrganisationDomain));
  QGuiApplication::setDesktopFileName(QString::fromUtf8(identity::kDesktopFileName));
  GivenSession session;
  PlatformStart start;
  QApplication application(argc, argv);
  session.LookedForRuntimeDirectory();
  start.Release();
  UseBulgarianStandardTexts();
  InstallWindowStyle();
  InstallAccessibleInterfaces();
  // Everything, a message box included, in the window's font: no second font is loaded.
  QApplication::setFont(WindowFont(window::MainWindow().font));
  FormWindow form;
  try {
    form.Load();
  } catch (const calc::RuntimeError& error) {
    ReportError(nullptr, error, window::Consequence::kEnds);
    return EXIT_FAILURE;
  }
  CentreOnScreen(form);
  form.show();
  EndOnDestroy(form);
  return QApplication::exec();
}

}  // namespace app
