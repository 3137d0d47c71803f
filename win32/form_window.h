#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "win32/character_limit.h"
#include "win32/gdi_object.h"
#include "win32/win32_controls.h"
#include "window/control_array.h"
#include "window/form.h"
#include "window/layout.h"
#include "window/veltaro.h"

namespace win32 {

// The window built from its layout over Windows' own controls, offering them to the
// window's logic and delivering the user's clicks to it. One window class serves the
// window and its frame; its procedure, like the boxes', only routes each message to a member.
class FormWindow final : public window::Form {
 public:
  // Builds the window and its controls, hidden; throws calc::RuntimeError on failure.
  explicit FormWindow(HINSTANCE instance);

  HWND Handle() const { return window_.get(); }
  // A control by its name, such as "Text2(0)"; nullptr when the window has none of the name.
  HWND Control(std::string_view name) const;

  // Raises the window's Load event; an error passes to the caller.
  void Load();
  // Shows the window centred on its screen; the focus goes to its first control.
  void Show(int showCommand);
  // Tab, the arrow keys and Ctrl+A; true when the message needs nothing more.
  bool PreTranslate(MSG& message);

  window::TextBox& Text2(std::int16_t index) override;
  window::Label& Label2(std::int16_t index) override;
  window::OptionButton& Option1(std::int16_t index) override;
  calc::NumberFormat UserNumberFormat() const override;

 private:
  struct Element {
    const window::ControlLayout* layout;
    HWND handle;
    std::optional<CharacterLimit> limit;
  };

  // Detaches the window and its controls from this object, then destroys them.
  struct WindowDestroyer {
    void operator()(HWND window) const;
  };

  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) noexcept;
  static LRESULT CALLBACK BoxProcedure(HWND box, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnBoxMessage(Element& box, UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(int id, int code);
  LRESULT OnControlColour(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void OnEraseBackground(HWND window, HDC dc);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  void OnActivate(bool active);
  void OnDpiChanged(int dpi, const RECT& suggested);

  HWND CreateControl(const window::ControlLayout& layout, HWND container);
  void Bind(const window::ControlLayout& layout, HWND handle);
  void SetFont(int dpi);
  void Place();
  void SelectAllInFocusedBox() const;
  HBRUSH Brush(window::Rgb rgb);
  Element* Find(HWND handle);
  template <typename Handler>
  void Dispatch(Handler handler);

  HINSTANCE instance_;
  std::unique_ptr<HWND__, WindowDestroyer> window_;
  HWND focus_ = nullptr;  // the control that had the focus when the window was last active
  int dpi_ = 0;
  GdiObject<HFONT> font_;
  std::vector<std::pair<COLORREF, GdiObject<HBRUSH>>> brushes_;
  std::unique_ptr<std::remove_pointer_t<HACCEL>, decltype(&DestroyAcceleratorTable)> accelerators_{
      nullptr, &DestroyAcceleratorTable};
  std::vector<Element> controls_;  // in tab order; the position gives the control's id
  window::ControlArray<Win32TextBox> text2_{"Text2"};
  window::ControlArray<Win32Label> label2_{"Label2"};
  window::ControlArray<Win32OptionButton> option1_{"Option1"};
  window::Veltaro logic_{*this};
};

}  // namespace win32
