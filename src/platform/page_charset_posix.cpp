#include "platform/page_charset.h"

#include "text/character_reference.h"
#include "text/percent_encoding.h"
#include "text/utf8.h"

namespace treepage {

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
