#include "win32/edit_box.h"

#include <commctrl.h>

#include <memory>
#include <optional>

#include "win32/character_limit.h"
#include "win32/system_error.h"
#include "window/control_error.h"

namespace win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr wchar_t kCtrlA = 0x01;

struct EditBox {
  const window::ControlLayout* layout;
  std::optional<CharacterLimit> limit;
};

LRESULT OnMessage(EditBox& box, HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CHAR:
      if (wParam == kCtrlA) {
        SendMessageW(handle, EM_SETSEL, 0, -1);
        return 0;
      }
      if (box.limit && !box.limit->Takes(handle, static_cast<wchar_t>(wParam))) return 0;
      break;
    case WM_PASTE:
      if (box.limit && (GetWindowLongPtrW(handle, GWL_STYLE) & ES_READONLY) == 0) {
        box.limit->Paste(handle);
        return 0;
      }
      break;
    case WM_GETDLGCODE:
      // Tab leaves the help text as it leaves every other box, and tabbing into it keeps the
      // place the reader had, with nothing selected.
      if (box.layout->multiLine) {
        return DefSubclassProc(handle, message, wParam, lParam) &
               ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_HASSETSEL);
      }
      break;
    default:
      break;
  }
  return DefSubclassProc(handle, message, wParam, lParam);
}

LRESULT CALLBACK Procedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                           DWORD_PTR data) noexcept {
  auto* box = reinterpret_cast<EditBox*>(data);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(handle, &Procedure, kSubclassId);
    delete box;  // the state the box was given when it was subclassed
    return DefSubclassProc(handle, message, wParam, lParam);
  }
  return OnMessage(*box, handle, message, wParam, lParam);
}

}  // namespace

void SubclassEditBox(HWND box, const window::ControlLayout& layout) {
  auto state = std::make_unique<EditBox>(EditBox{&layout, std::nullopt});
  if (layout.maxLength > 0) {
    state->limit.emplace(static_cast<std::size_t>(layout.maxLength));
    // Room for as many pairs, so that Windows' own count of units never cuts a character.
    SendMessageW(box, EM_LIMITTEXT, 2 * static_cast<WPARAM>(layout.maxLength), 0);
  }
  if (SetWindowSubclass(box, &Procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(state.get())) ==
      FALSE) {
    throw SystemError("Cannot extend the box " + window::ControlNameOf(layout));
  }
  // The box owns its state from here on, and lets it go as it is destroyed.
  static_cast<void>(state.release());
}

}  // namespace win32
