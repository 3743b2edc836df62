#include "page/html_text.h"

#include <array>

#include "platform/page_charset.h"

namespace treepage {
namespace {

// What a byte of a name becomes in the page: itself, an entity reference, or
// part of a run of bytes above 0x7F.
enum class ByteClass : unsigned char { kPlain, kMarkup, kHigh };

constexpr auto kByteClasses = [] {
  std::array<ByteClass, 256> classes{};
  for (std::size_t byte = 0x80; byte < 0x100; ++byte) classes[byte] = ByteClass::kHigh;
  for (const char markup : {'&', '<', '>', '"'}) {
    classes[static_cast<unsigned char>(markup)] = ByteClass::kMarkup;
  }
  return classes;
}();

ByteClass ClassOf(char c) { return kByteClasses[static_cast<unsigned char>(c)]; }

std::string_view EntityFor(char c) {
  switch (c) {
    case '&':
      return "&amp;";
    case '<':
      return "&lt;";
    case '>':
      return "&gt;";
    default:
      return "&quot;";
  }
}

}  // namespace

void AppendHtmlText(std::string& page, std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = pos;
    while (end < text.size() && ClassOf(text[end]) == ByteClass::kPlain) ++end;
    page.append(text, pos, end - pos);
    if (end == text.size()) return;
    if (ClassOf(text[end]) == ByteClass::kMarkup) {
      page += EntityFor(text[end]);
      pos = end + 1;
      continue;
    }
    pos = end;
    while (end < text.size() && ClassOf(text[end]) == ByteClass::kHigh) ++end;
    AppendHighBytes(page, text.substr(pos, end - pos));
    pos = end;
  }
}

}  // namespace treepage
