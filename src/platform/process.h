#pragma once

#include <cstdint>
#include <string>

namespace treepage {

// The file name of the running program, without its folder.
std::string ModuleFileName();

// `code_address` as an offset from the load address of the module holding it.
std::uint32_t ModuleOffset(std::uintptr_t code_address);

// Shows the report of a failure under the title "Application Error", waits
// until it has been seen and ends the process with exit code 1.
[[noreturn]] void ShowFailureAndExit(const std::string& report);

// Ends the process normally with `exit_code`.
[[noreturn]] void EndProcess(int exit_code);

}  // namespace treepage
