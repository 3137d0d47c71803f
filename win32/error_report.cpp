#include "win32/error_report.h"

#include <string>

#include "win32/text_conversion.h"

namespace win32 {

void ReportError(HWND owner, const calc::RuntimeError& error, window::Consequence consequence) {
  const window::ErrorReport report = window::DescribeError(error, consequence);
  const std::wstring text = ToUtf16(report.message + "\n\n" + report.consequence);
  // The button in Bulgarian too, where Windows has the language; in the system's otherwise.
  MessageBoxExW(owner, text.c_str(), ToUtf16(report.title).c_str(), MB_OK | MB_ICONERROR,
                MAKELANGID(LANG_BULGARIAN, SUBLANG_DEFAULT));
}

}  // namespace win32
