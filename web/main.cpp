#include <cstdlib>

#include "web/error_report.h"
#include "web/form_page.h"
#include "web/page_dom.h"
#include "web/page_parts.h"

// Builds the window, raises its Load event and shows it. The page then lives as long as its
// document: the browser delivers its events after main has returned.
int main() {
  static web::FormPage page;
  try {
    page.Load();
  } catch (const calc::RuntimeError& error) {
    // The program ends: its window and the notice go, and the report stands on the page alone.
    web::dom::SetFlag(window::MainWindow().name, "hidden", true);
    web::dom::SetFlag(web::kNoticeId, "hidden", true);
    web::ReportError("", error, window::Consequence::kEnds);
    return EXIT_FAILURE;
  }
  page.Show();
  return EXIT_SUCCESS;
}
