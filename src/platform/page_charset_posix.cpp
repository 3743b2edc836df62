#include "platform/page_charset.h"

#include "text/percent_encoding.h"
#include "text/utf8.h"

namespace treepage {

// Names on this platform are UTF-8, which a page without a declared charset
// would show garbled: every character becomes a decimal reference, which a
// browser turns back into the same UTF-8 bytes when it follows a link. A byte
// outside any well-formed sequence shows as the replacement character, and is
// percent-encoded in a link, so that the link still names the file's bytes.
void AppendHighBytes(std::string& page, std::string_view bytes, PageField field) {
  while (!bytes.empty()) {
    const DecodedChar decoded = DecodeUtf8(bytes);
    if (decoded.length == 0) {
      if (field == PageField::kFileLink) {
        AppendPercentEncoded(page, static_cast<unsigned char>(bytes[0]));
      } else {
        page += "&#65533;";
      }
      bytes.remove_prefix(1);
      continue;
    }
    page += "&#";
    page += std::to_string(decoded.code_point);
    page += ';';
    bytes.remove_prefix(decoded.length);
  }
}

// A "\" is a name's own byte here; "?" starts a query, and a browser drops
// tabs and line ends from a link and reads the other control bytes as they
// come.
bool IsReservedInFileLink(char byte) {
  const auto value = static_cast<unsigned char>(byte);
  return byte == '?' || byte == '\\' || value < 0x20 || value == 0x7F;
}

}  // namespace treepage
