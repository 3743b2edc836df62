#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace treepage {

// A code point decoded from the start of a byte string, with the number of
// bytes it took; `length` is 0 when the bytes do not start a well-formed
// UTF-8 sequence (overlong forms, surrogates and anything above U+10FFFF are
// not well-formed).
struct DecodedChar {
  std::uint32_t code_point;
  std::size_t length;
};

DecodedChar DecodeUtf8(std::string_view bytes);

// Appends the UTF-8 form of `code_point` (at most U+10FFFF).
void AppendUtf8(std::string& text, std::uint32_t code_point);

}  // namespace treepage
