#include <windows.h>

#include "platform/process.h"
#include "platform/wide_text_win32.h"

namespace treepage {

std::string ModuleFileName() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::string full = Utf8(std::wstring_view(path, length));
  return full.substr(full.find_last_of("\\/") + 1);
}

std::uint32_t ModuleOffset(std::uintptr_t code_address) {
  HMODULE module = nullptr;
  std::uintptr_t base = 0;
  if (code_address != 0 && GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                                  GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                              reinterpret_cast<LPCSTR>(code_address), &module)) {
    base = reinterpret_cast<std::uintptr_t>(module);
  }
  return static_cast<std::uint32_t>(code_address - base);
}

void ShowFailureAndExit(const std::string& report) {
  MessageBoxW(nullptr, Wide(report).c_str(), L"Application Error",
              MB_OK | MB_ICONERROR | MB_TASKMODAL);
  ExitProcess(1);
}

void EndProcess(int exit_code) { ExitProcess(static_cast<UINT>(exit_code)); }

}  // namespace treepage
