// The program as a teacher starts it, except that it learns whether High Contrast is on as
// Windows would tell it (see high_contrast_answer.h): Wine always says it is off.
#include <windows.h>

#include "win32/forms_runtime.h"
#include "win32/tests/high_contrast_answer.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  win32_test::AnswerHighContrastAsWindows();
  return win32::Run(instance, showCommand);
}
