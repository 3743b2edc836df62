#pragma once

#include <algorithm>
#include <string_view>

namespace treepage {

// Case rules for ASCII letters only: names compared this way match as the
// Windows profile functions and directory order treat them, whatever the
// bytes above 0x7F mean.

inline char AsciiUpper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

inline bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
}

}  // namespace treepage
