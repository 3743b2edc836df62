#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "platform/process.h"

namespace treepage {

std::string ModuleFileName() {
  char path[4096];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
  if (length <= 0) return "treepage";
  const std::string full(path, static_cast<std::size_t>(length));
  return full.substr(full.rfind('/') + 1);
}

std::uint32_t ModuleOffset(std::uintptr_t code_address) {
  Dl_info info;
  std::uintptr_t base = 0;
  if (code_address != 0 && dladdr(reinterpret_cast<void*>(code_address), &info) != 0) {
    base = reinterpret_cast<std::uintptr_t>(info.dli_fbase);
  }
  return static_cast<std::uint32_t>(code_address - base);
}

// No message box here: the report goes to standard error.
void ShowFailureAndExit(const std::string& report) {
  std::fputs("Application Error\n", stderr);
  std::fwrite(report.data(), 1, report.size(), stderr);
  std::fputc('\n', stderr);
  std::fflush(stderr);
  std::exit(1);
}

void EndProcess(int exit_code) { std::exit(exit_code); }

}  // namespace treepage
