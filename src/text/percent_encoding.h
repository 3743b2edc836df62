#pragma once

#include <string>

namespace treepage {

// Appends `byte` as "%" and two upper-case hex digits, as a URL carries a
// byte that would otherwise mean something else there.
inline void AppendPercentEncoded(std::string& text, unsigned char byte) {
  constexpr char kHexDigits[] = "0123456789ABCDEF";
  text += '%';
  text += kHexDigits[byte >> 4];
  text += kHexDigits[byte & 0x0F];
}

}  // namespace treepage
