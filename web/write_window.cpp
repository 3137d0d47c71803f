#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "calc/runtime_error.h"
#include "web/window_markup.h"

namespace {

bool Write(const char* path, std::string_view text) {
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace

// Writes the window into the page at build time, from the layout the running page reads:
// its caption, its style rules and its elements, each to a file of its own.
int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: write_window TITLE STYLE BODY\n", stderr);
    return EXIT_FAILURE;
  }
  try {
    const web::WindowMarkup markup = web::MarkUpWindow();
    if (Write(argv[1], markup.title) && Write(argv[2], markup.style) &&
        Write(argv[3], markup.body)) {
      return EXIT_SUCCESS;
    }
    std::fputs("write_window: cannot write the files\n", stderr);
  } catch (const calc::RuntimeError& error) {
    std::fprintf(stderr, "write_window: %s\n", error.description().c_str());
  }
  return EXIT_FAILURE;
}
