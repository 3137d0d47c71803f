#include <emscripten/eventloop.h>

#include <cstdlib>

#include "calc/percent.h"
#include "web/error_report.h"
#include "web/form_page.h"
#include "web/page_dom.h"
#include "web/page_parts.h"

namespace {

// What the first result needs that is slow the first time (the browser's number format for
// the user's language, the calculation's own code) is paid just after the window is shown,
// not at the user's first press.
void Rehearse(void* page) {
  static_cast<void>(
      calc::ComputePercent("1", "3", static_cast<web::FormPage*>(page)->UserNumberFormat()));
}

}  // namespace

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
  emscripten_set_timeout(Rehearse, 0, &page);
  return EXIT_SUCCESS;
}
