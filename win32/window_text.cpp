#include "win32/window_text.h"

namespace win32 {

std::optional<std::wstring> WindowText(HWND handle) {
  SetLastError(ERROR_SUCCESS);
  const int length = GetWindowTextLengthW(handle);
  if (length == 0 && GetLastError() != ERROR_SUCCESS) return std::nullopt;
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SetLastError(ERROR_SUCCESS);
  const int read = GetWindowTextW(handle, text.data(), length + 1);
  if (read == 0 && GetLastError() != ERROR_SUCCESS) return std::nullopt;
  text.resize(static_cast<std::size_t>(read));
  return text;
}

}  // namespace win32
