#include "page/html_text.h"

#include "platform/page_charset.h"

namespace treepage {
namespace {

bool IsHighByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

}  // namespace

void AppendHtmlText(std::string& page, std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (IsHighByte(text[pos])) {
      std::size_t end = pos;
      while (end < text.size() && IsHighByte(text[end])) ++end;
      AppendHighBytes(page, text.substr(pos, end - pos));
      pos = end;
      continue;
    }
    switch (text[pos]) {
      case '&':
        page += "&amp;";
        break;
      case '<':
        page += "&lt;";
        break;
      case '>':
        page += "&gt;";
        break;
      case '"':
        page += "&quot;";
        break;
      default:
        page += text[pos];
    }
    ++pos;
  }
}

}  // namespace treepage
