#pragma once

#include <string>
#include <string_view>

#include "text/utf8.h"

namespace treepage {

// Windows takes and gives names and texts in UTF-16; inside the program they
// are UTF-8. These convert at the calls.

inline std::wstring Wide(std::string_view utf8) {
  const std::u16string utf16 = Utf16FromUtf8(utf8);
  return std::wstring(utf16.begin(), utf16.end());
}

inline std::string Utf8(std::wstring_view wide) {
  return Utf8FromUtf16(std::u16string(wide.begin(), wide.end()));
}

}  // namespace treepage
