#include <cstdint>

#include "platform/page_charset.h"

namespace treepage {
namespace {

struct Utf8Form {
  std::size_t length;
  unsigned char second_min;
  unsigned char second_max;
};

// The well-formed UTF-8 sequences by their first byte: no overlong forms, no
// surrogates, nothing above U+10FFFF.
Utf8Form FormFor(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return {2, 0x80, 0xBF};
  if (lead == 0xE0) return {3, 0xA0, 0xBF};
  if (lead == 0xED) return {3, 0x80, 0x9F};
  if (lead >= 0xE1 && lead <= 0xEF) return {3, 0x80, 0xBF};
  if (lead == 0xF0) return {4, 0x90, 0xBF};
  if (lead >= 0xF1 && lead <= 0xF3) return {4, 0x80, 0xBF};
  if (lead == 0xF4) return {4, 0x80, 0x8F};
  return {0, 0, 0};
}

// The code point of the well-formed sequence at the start of `bytes`, with
// its length; a length of 0 when there is none.
std::pair<std::uint32_t, std::size_t> DecodeUtf8(std::string_view bytes) {
  const auto lead = static_cast<unsigned char>(bytes[0]);
  const Utf8Form form = FormFor(lead);
  if (form.length == 0 || bytes.size() < form.length) return {0, 0};
  const auto second = static_cast<unsigned char>(bytes[1]);
  if (second < form.second_min || second > form.second_max) return {0, 0};
  std::uint32_t code_point = lead & (0x7Fu >> form.length);
  for (std::size_t i = 1; i < form.length; ++i) {
    const auto next = static_cast<unsigned char>(bytes[i]);
    if ((next & 0xC0) != 0x80) return {0, 0};
    code_point = (code_point << 6) | (next & 0x3Fu);
  }
  return {code_point, form.length};
}

}  // namespace

// Names on this platform are UTF-8, which a page without a declared charset
// would show garbled: every character becomes a decimal reference, and a byte
// outside any well-formed sequence a replacement character.
void AppendHighBytes(std::string& page, std::string_view bytes) {
  while (!bytes.empty()) {
    const auto [code_point, length] = DecodeUtf8(bytes);
    page += "&#";
    page += std::to_string(length == 0 ? 0xFFFDu : code_point);
    page += ';';
    bytes.remove_prefix(length == 0 ? 1 : length);
  }
}

}  // namespace treepage
