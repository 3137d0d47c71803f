#include "win32/tests/high_contrast_answer.h"

#include <windows.h>

#include <cstring>
#include <cwchar>
#include <string>

namespace win32_test {
namespace {

constexpr wchar_t kKey[] = L"Control Panel\\Accessibility\\HighContrast";
constexpr wchar_t kFlags[] = L"Flags";
// Windows' own values: every High Contrast feature available, with the theme on or off.
constexpr wchar_t kOn[] = L"127";
constexpr wchar_t kOff[] = L"126";

using SystemParametersInfoProc = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT);
SystemParametersInfoProc wineAnswer = nullptr;

DWORD StoredFlags() {
  wchar_t text[16] = {};
  DWORD bytes = sizeof text;
  if (RegGetValueW(HKEY_CURRENT_USER, kKey, kFlags, RRF_RT_REG_SZ, nullptr, text, &bytes) !=
      ERROR_SUCCESS) {
    return 0;
  }
  return static_cast<DWORD>(std::wcstoul(text, nullptr, 10));
}

BOOL WINAPI AnswerAsWindows(UINT action, UINT size, PVOID data, UINT update) {
  const BOOL answered = wineAnswer(action, size, data, update);
  if (action == SPI_GETHIGHCONTRAST && answered != FALSE) {
    static_cast<HIGHCONTRASTW*>(data)->dwFlags = StoredFlags();
  }
  return answered;
}

// The slot of the main program's import table through which it calls the function.
void** ImportSlot(const char* dll, const char* function) {
  auto* const base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* module =
           reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       module->Name != 0; ++module) {
    if (_stricmp(reinterpret_cast<const char*>(base + module->Name), dll) != 0) continue;
    auto* name = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + module->OriginalFirstThunk);
    auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk);
    for (; name->u1.AddressOfData != 0; ++name, ++slot) {
      if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal)) continue;
      const auto* byName =
          reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0) {
        return reinterpret_cast<void**>(&slot->u1.Function);
      }
    }
  }
  return nullptr;
}

}  // namespace

void AnswerHighContrastAsWindows() {
  if (wineAnswer != nullptr) return;
  void** slot = ImportSlot("user32.dll", "SystemParametersInfoW");
  if (slot == nullptr) return;
  DWORD protection = 0;
  VirtualProtect(static_cast<void*>(slot), sizeof *slot, PAGE_READWRITE, &protection);
  wineAnswer = reinterpret_cast<SystemParametersInfoProc>(*slot);
  *slot = reinterpret_cast<void*>(&AnswerAsWindows);
  VirtualProtect(static_cast<void*>(slot), sizeof *slot, protection, &protection);
}

void SetHighContrastFlag(bool on) {
  const wchar_t* value = on ? kOn : kOff;
  const std::size_t bytes = (std::wcslen(value) + 1) * sizeof(wchar_t);
  RegSetKeyValueW(HKEY_CURRENT_USER, kKey, kFlags, REG_SZ, value, static_cast<DWORD>(bytes));
}

}  // namespace win32_test
