#include "web/error_report.h"

#include "web/page_dom.h"

namespace web {

void ReportError(std::string_view window, const calc::RuntimeError& error,
                 window::Consequence consequence) {
  const window::ErrorReport report = window::DescribeError(error, consequence);
  dom::Report(window, report.title, report.message, report.consequence, "OK");
}

}  // namespace web
