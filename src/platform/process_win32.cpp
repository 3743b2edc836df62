#include <windows.h>

#include "platform/process.h"

namespace treepage {

std::string ModuleFileName() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string full(path, length);
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
  MessageBoxA(nullptr, report.c_str(), "Application Error", MB_OK | MB_ICONERROR | MB_TASKMODAL);
  ExitProcess(1);
}

void EndProcess(int exit_code) { ExitProcess(static_cast<UINT>(exit_code)); }

}  // namespace treepage
