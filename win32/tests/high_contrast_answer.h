#pragma once

namespace win32_test {

// Wine answers SPI_GETHIGHCONTRAST with "off" whatever the user chose. Windows reads the
// choice from HKCU\Control Panel\Accessibility\HighContrast "Flags"; from this call on, the
// calling program's own SystemParametersInfoW answers from there too, as on Windows.
void AnswerHighContrastAsWindows();

// The choice as Windows keeps it: "Flags" with or without HCF_HIGHCONTRASTON.
void SetHighContrastFlag(bool on);

}  // namespace win32_test
