#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

#include "win32/accessible_annotations.h"
#include "win32/control_colours.h"
#include "win32/gdi_object.h"
#include "win32/remembered_focus.h"
#include "win32/win32_controls.h"
#include "window/bound_form.h"
#include "window/layout.h"

namespace win32 {

// The window built from its layout over Windows' own controls, offering them to the
// window's logic and delivering the user's clicks to it. One window class serves the
// window and its frame; its procedure only routes each message to a member.
class FormWindow final : public window::BoundForm<Win32TextBox, Win32Label, Win32OptionButton> {
 public:
  // Builds the window and its controls, hidden; throws calc::RuntimeError on failure.
  explicit FormWindow(HINSTANCE instance);

  HWND Handle() const { return window_.get(); }

  // Tells screen readers what Windows does not of the controls (accessible_annotations.h).
  // Called once the window is shown and painted, before its first message: the service
  // takes a while to start under COM, and no reader's question is answered before it.
  void Annotate();

  calc::NumberFormat UserNumberFormat() const override;

 private:
  struct Control {
    const window::ControlLayout* layout;
    HWND handle;
  };

  struct WindowDestroyer {
    void operator()(HWND handle) const { DestroyWindow(handle); }
  };

  static LRESULT CALLBACK WindowProcedure(HWND handle, UINT message, WPARAM wParam,
                                          LPARAM lParam) noexcept;
  LRESULT OnMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(HWND control, int code);
  void OnEnter();
  LRESULT OnControlColour(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
  void OnEraseBackground(HWND container, HDC dc);
  void OnPaint(HWND container);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  void OnColoursChanged(bool systemColours);
  void OnDpiChanged(int dpi, const RECT& suggested);
  void OnDestroy();

  void ReportError(const calc::RuntimeError& error) override;
  void SetFont(int dpi);
  void Place();
  // The layout of one of the window's controls; none for the window or a stranger.
  const window::ControlLayout* LayoutOf(HWND handle) const;

  RememberedFocus focus_;
  int dpi_ = 0;
  std::optional<ComApartment> apartment_;
  GdiObject<HFONT> font_;
  Palette palette_;
  std::vector<Control> controls_;  // in tab order
  HWND announcer_ = nullptr;       // see announcer.h
  // Last, so that it is destroyed first, while all its controls use is still there.
  std::unique_ptr<HWND__, WindowDestroyer> window_;
};

}  // namespace win32
