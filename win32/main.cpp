#include <windows.h>

#include "win32/forms_runtime.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  return win32::Run(instance, showCommand);
}
