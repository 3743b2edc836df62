// Splits arbitrary command lines. No argument is empty or holds a double
// quote; without quotes in the line, no argument holds a separator; and the
// arguments, each put in quotes and joined again, split back to themselves.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/command_line.h"

namespace {

bool IsSeparator(char c) {
  const auto code = static_cast<unsigned char>(c);
  return code >= 1 && code <= 32;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  const auto arguments = treepage::SplitCommandLine(line);

  const bool quoted = line.substr(0, line.find('\0')).find('"') != std::string_view::npos;
  std::string joined = "program";
  for (const std::string& argument : arguments) {
    if (argument.empty() || argument.find('"') != std::string::npos) std::abort();
    if (argument.find('\0') != std::string::npos) std::abort();
    for (char c : argument) {
      if (!quoted && IsSeparator(c)) std::abort();
    }
    joined += " \"" + argument + "\"";
  }
  if (treepage::SplitCommandLine(joined) != arguments) std::abort();
  return 0;
}
