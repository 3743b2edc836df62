#include "text/character_reference.h"

#include <array>

#include "text/percent_encoding.h"

namespace treepage {
namespace {

constexpr std::array<std::uint16_t, 32> kWindows1252From80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

void AppendCharacter(std::string& page, std::uint32_t code_point, PageField field) {
  if (code_point >= 0x80 && code_point <= 0x9F) {
    if (field == PageField::kText) {
      code_point = kReplacementCharacter;
    } else {
      AppendPercentEncoded(page, 0xC2);
      AppendPercentEncoded(page, static_cast<unsigned char>(code_point));
      return;
    }
  }
  page += "&#";
  page += std::to_string(code_point);
  page += ';';
}

std::uint32_t FromWindows1252(unsigned char byte) {
  if (byte < 0x80 || byte >= 0xA0) return byte;
  return kWindows1252From80[byte - 0x80];
}

}  // namespace treepage
