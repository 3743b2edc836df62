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

// The same, but a surrogate code point (U+D800 to U+DFFF) in its three-byte
// form counts too: the form in which a lone surrogate of a UTF-16 name
// travels as UTF-8 (as in WTF-8).
DecodedChar DecodeUtf8OrSurrogate(std::string_view bytes);

inline bool IsSurrogate(std::uint32_t code_point) {
  return code_point >= 0xD800 && code_point <= 0xDFFF;
}

// UTF-16, as Windows gives names and texts, as UTF-8; a lone surrogate in its
// three-byte form, so that the text converts back unchanged.
std::string Utf8FromUtf16(std::u16string_view text);

// UTF-8 (lone surrogates in their three-byte form included) as UTF-16; a
// byte that starts no sequence becomes U+FFFD.
std::u16string Utf16FromUtf8(std::string_view text);

// Appends the UTF-8 form of `code_point` (at most U+10FFFF).
void AppendUtf8(std::string& text, std::uint32_t code_point);

}  // namespace treepage
