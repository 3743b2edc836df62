#include "platform/exceptions.h"

namespace treepage {

EInOutError::EInOutError(int error_code, std::uintptr_t code_address)
    : Exception(InOutErrorMessage(error_code), code_address), error_code_(error_code) {}

std::string InOutErrorMessage(int error_code) {
  switch (error_code) {
    case 2:
      return "File not found";
    case 3:
      return "Invalid filename";
    case 4:
      return "Too many open files";
    case 5:
      return "File access denied";
    case 100:
      return "Read beyond end of file";
    case 101:
      return "Disk full";
    case 106:
      return "Invalid numeric input";
    default:
      return "I/O error " + std::to_string(error_code);
  }
}

// Kept out of line so that its return address lies in the failing operation.
__attribute__((noinline)) void RaiseInOutError(int error_code) {
  throw EInOutError(error_code, reinterpret_cast<std::uintptr_t>(__builtin_return_address(0)));
}

}  // namespace treepage
