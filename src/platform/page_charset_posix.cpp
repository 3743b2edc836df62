#include "platform/page_charset.h"

#include <array>

#include "text/percent_encoding.h"
#include "text/utf8.h"

namespace treepage {
namespace {

constexpr std::uint32_t kReplacementCharacter = 0xFFFD;

// Windows-1252 from 0x80 to 0x9F; the five bytes it leaves undefined stand
// for the control characters of the same number, as Windows reads them.
constexpr std::array<std::uint16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::uint32_t FromWindows1252(unsigned char byte) {
  return byte >= 0xA0 ? byte : kWindows1252High[byte - 0x80];
}

// HTML reads the references &#128; to &#159; as windows-1252 characters, so
// the control characters U+0080 to U+009F are never written as references:
// text shows the replacement character, and a link carries their UTF-8 bytes
// percent-encoded.
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

}  // namespace

// Names on this platform are UTF-8, which a page without a declared charset
// would show garbled: every character becomes a decimal reference, which a
// browser turns back into the same UTF-8 bytes when it follows a link. A byte
// outside any well-formed sequence shows as the replacement character, and is
// percent-encoded in a link to a file, so that the link still names the
// file's bytes. In a shortcut's address such a byte is a windows-1252
// character, as Windows wrote most shortcuts, so both systems link alike.
void AppendHighBytes(std::string& page, std::string_view bytes, PageField field) {
  while (!bytes.empty()) {
    const DecodedChar decoded = DecodeUtf8(bytes);
    if (decoded.length != 0) {
      AppendCharacter(page, decoded.code_point, field);
      bytes.remove_prefix(decoded.length);
      continue;
    }
    const auto byte = static_cast<unsigned char>(bytes[0]);
    switch (field) {
      case PageField::kText:
        AppendCharacter(page, kReplacementCharacter, field);
        break;
      case PageField::kFileLink:
        AppendPercentEncoded(page, byte);
        break;
      case PageField::kAddress:
        AppendCharacter(page, FromWindows1252(byte), field);
        break;
    }
    bytes.remove_prefix(1);
  }
}

// A "\" is a name's own byte here; "?" starts a query, and a browser drops
// tabs and line ends from a link and reads the other control bytes as they
// come.
bool IsReservedInFileLink(char byte) {
  const auto value = static_cast<unsigned char>(byte);
  return byte == '?' || byte == '\\' || value < 0x20 || value == 0x7F;
}

bool LooksLikeUrlScheme(std::string_view target) {
  if (target.starts_with('/')) return false;
  return target.substr(0, target.find('/')).find(':') != std::string_view::npos;
}

}  // namespace treepage
