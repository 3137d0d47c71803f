#include "window/error_report.h"

namespace window {

ErrorReport DescribeError(const calc::RuntimeError& error, Consequence consequence) {
  return {.title = "Велтаро",
          .message = "Грешка " + std::to_string(error.number()) + ": " + error.description(),
          .consequence = consequence == Consequence::kGoesOn
                             ? "Изчислението е прекъснато; въведеното е запазено."
                             : "Програмата не може да продължи."};
}

}  // namespace window
