#pragma once

#include <cstdint>
#include <string>

namespace treepage {

// Base of every failure the program can end with. Nothing inside the program
// catches these; the run reports them once and ends with exit code 1.
class Exception {
 public:
  Exception(std::string message, std::uintptr_t code_address)
      : message_(std::move(message)), code_address_(code_address) {}
  virtual ~Exception() = default;
  Exception(const Exception&) = default;
  Exception& operator=(const Exception&) = default;

  virtual const char* ClassName() const { return "Exception"; }
  const std::string& Message() const { return message_; }
  // An address inside the code that raised the failure (0 when unknown).
  std::uintptr_t CodeAddress() const { return code_address_; }

 private:
  std::string message_;
  std::uintptr_t code_address_;
};

// A failed step of file output, with the Windows error code of that step.
class EInOutError : public Exception {
 public:
  EInOutError(int error_code, std::uintptr_t code_address);
  const char* ClassName() const override { return "EInOutError"; }
  int ErrorCode() const { return error_code_; }

 private:
  int error_code_;
};

class EOutOfMemory : public Exception {
 public:
  explicit EOutOfMemory(std::uintptr_t code_address) : Exception("Out of memory", code_address) {}
  const char* ClassName() const override { return "EOutOfMemory"; }
};

// The message a file-output failure code selects: a few codes have their own
// words, every other code reads "I/O error <code>".
std::string InOutErrorMessage(int error_code);

// Raises EInOutError for `error_code`, naming the caller's code as the place
// of the failure.
[[noreturn]] void RaiseInOutError(int error_code);

}  // namespace treepage
