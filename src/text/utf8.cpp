#include "text/utf8.h"

namespace treepage {
namespace {

struct Utf8Form {
  std::size_t length;
  unsigned char second_min;
  unsigned char second_max;
};

// The well-formed sequences by their first byte.
Utf8Form FormFor(unsigned char lead, bool surrogates) {
  if (lead >= 0xC2 && lead <= 0xDF) return {2, 0x80, 0xBF};
  if (lead == 0xE0) return {3, 0xA0, 0xBF};
  if (lead == 0xED) return {3, 0x80, static_cast<unsigned char>(surrogates ? 0xBF : 0x9F)};
  if (lead >= 0xE1 && lead <= 0xEF) return {3, 0x80, 0xBF};
  if (lead == 0xF0) return {4, 0x90, 0xBF};
  if (lead >= 0xF1 && lead <= 0xF3) return {4, 0x80, 0xBF};
  if (lead == 0xF4) return {4, 0x80, 0x8F};
  return {0, 0, 0};
}

DecodedChar Decode(std::string_view bytes, bool surrogates) {
  if (bytes.empty()) return {0, 0};
  const auto lead = static_cast<unsigned char>(bytes[0]);
  if (lead < 0x80) return {lead, 1};
  const Utf8Form form = FormFor(lead, surrogates);
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

DecodedChar DecodeUtf8(std::string_view bytes) { return Decode(bytes, false); }

DecodedChar DecodeUtf8OrSurrogate(std::string_view bytes) { return Decode(bytes, true); }

std::string Utf8FromUtf16(std::u16string_view text) {
  std::string utf8;
  utf8.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::uint32_t unit = text[i];
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      unit = 0x10000 + ((unit - 0xD800) << 10) + (text[++i] - 0xDC00u);
    }
    AppendUtf8(utf8, unit);
  }
  return utf8;
}

std::u16string Utf16FromUtf8(std::string_view text) {
  std::u16string utf16;
  utf16.reserve(text.size());
  while (!text.empty()) {
    DecodedChar decoded = DecodeUtf8OrSurrogate(text);
    if (decoded.length == 0) decoded = {0xFFFD, 1};
    text.remove_prefix(decoded.length);
    if (decoded.code_point >= 0x10000) {
      utf16 += static_cast<char16_t>(0xD800 + ((decoded.code_point - 0x10000) >> 10));
      utf16 += static_cast<char16_t>(0xDC00 + ((decoded.code_point - 0x10000) & 0x3FF));
    } else {
      utf16 += static_cast<char16_t>(decoded.code_point);
    }
  }
  return utf16;
}

void AppendUtf8(std::string& text, std::uint32_t code_point) {
  auto byte = [&text](std::uint32_t value) { text += static_cast<char>(value); };
  if (code_point < 0x80) {
    byte(code_point);
  } else if (code_point < 0x800) {
    byte(0xC0 | (code_point >> 6));
    byte(0x80 | (code_point & 0x3F));
  } else if (code_point < 0x10000) {
    byte(0xE0 | (code_point >> 12));
    byte(0x80 | ((code_point >> 6) & 0x3F));
    byte(0x80 | (code_point & 0x3F));
  } else {
    byte(0xF0 | (code_point >> 18));
    byte(0x80 | ((code_point >> 12) & 0x3F));
    byte(0x80 | ((code_point >> 6) & 0x3F));
    byte(0x80 | (code_point & 0x3F));
  }
}

}  // namespace treepage
