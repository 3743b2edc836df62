#pragma once

#include <cctype>
#include <string>
#include <string_view>

namespace treepage::testing {

// A table row's description as a GoogleTest name: letters and digits kept,
// everything else an underscore.
inline std::string CaseName(std::string_view description) {
  std::string name;
  for (const char c : description) {
    name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  }
  return name;
}

}  // namespace treepage::testing
