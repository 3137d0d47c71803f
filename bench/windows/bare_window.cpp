// The baseline: a bare Win32 window with the same kinds and number of controls as Veltaro's
// (two multi-line boxes, one hidden; four labels; a frame with three option buttons; three
// boxes; two buttons) at the same places, and the same resources and manifest; Windows'
// default font and colours, no logic.
#include <windows.h>

namespace {

constexpr wchar_t kClass[] = L"BareWindow";

HWND Make(const wchar_t* kind, const wchar_t* text, DWORD style, RECT place, HWND parent,
          bool visible = true) {
  return CreateWindowExW(0, kind, text, WS_CHILD | (visible ? WS_VISIBLE : 0) | style, place.left,
                         place.top, place.right - place.left, place.bottom - place.top, parent,
                         nullptr, GetModuleHandleW(nullptr), nullptr);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY && GetParent(window) == nullptr) PostQuitMessage(0);
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &Procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kClass;
  RegisterClassExW(&windowClass);

  constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  RECT frame{0, 0, 461, 345};
  AdjustWindowRectEx(&frame, kStyle, FALSE, WS_EX_CONTROLPARENT);
  HWND window = CreateWindowExW(WS_EX_CONTROLPARENT, kClass, L"bare", kStyle, CW_USEDEFAULT,
                                CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                nullptr, nullptr, instance, nullptr);
  constexpr DWORD kHelp = WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY;
  Make(L"EDIT", L"Help text", kHelp, {8, 192, 457, 337}, window);
  Make(L"EDIT", L"Hidden text", kHelp, {40, 216, 489, 337}, window, false);
  Make(L"STATIC", L"Title", SS_CENTER, {56, 0, 409, 25}, window);
  HWND options = CreateWindowExW(WS_EX_CONTROLPARENT, kClass, nullptr, WS_CHILD | WS_VISIBLE, 16,
                                 40, 169, 121, window, nullptr, instance, nullptr);
  for (int i = 0; i < 3; ++i) {
    const int top = 40 * i;
    Make(L"BUTTON", L"Option", BS_AUTORADIOBUTTON | (i == 0 ? WS_TABSTOP | WS_GROUP : 0),
         {0, 8 + top, 161, 33 + top}, options);
    Make(L"STATIC", L"Label", SS_LEFT, {208, 32 + top, 345, 57 + top}, window);
    Make(L"EDIT", L"", WS_TABSTOP | WS_BORDER | ES_CENTER | ES_AUTOHSCROLL,
         {360, 32 + top, 449, 59 + top}, window);
  }
  Make(L"BUTTON", L"First", WS_TABSTOP, {208, 160, 305, 185}, window);
  Make(L"BUTTON", L"Second", WS_TABSTOP, {344, 160, 425, 185}, window);

  ShowWindow(window, showCommand);
  UpdateWindow(window);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(window, &message) != FALSE) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
