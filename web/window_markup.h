#pragma once

#include <string>

namespace web {

// The window as the page's HTML holds it before the program runs: every control of the
// layout as the window shows it once loaded (the logic's Load event run over them), each
// placed and coloured by a style rule of its own.
struct WindowMarkup {
  std::string title;  // the window's caption
  std::string style;  // a rule for the window and one for each control
  std::string body;   // the window's elements, then the notice and the announcement
};

WindowMarkup MarkUpWindow();

}  // namespace web
