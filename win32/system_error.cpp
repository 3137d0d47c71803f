#include "win32/system_error.h"

#include <windows.h>

#include <string>

#include "win32/text_conversion.h"

namespace win32 {

calc::RuntimeError SystemError(std::string_view step) {
  const DWORD number = GetLastError();
  wchar_t* description = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, number, 0, reinterpret_cast<wchar_t*>(&description), 0, nullptr);
  std::wstring reason(description, length);
  LocalFree(description);
  while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r')) reason.pop_back();
  return {static_cast<int>(number), std::string(step) + ": " + ToUtf8(reason)};
}

}  // namespace win32
