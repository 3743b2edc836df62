#include "page/html_text.h"

#include <array>

#include "platform/page_charset.h"
#include "text/percent_encoding.h"

namespace treepage {
namespace {

// What a byte becomes in the page: itself, an entity reference, a
// percent-encoded byte, or part of a run of bytes above 0x7F.
enum class ByteClass : unsigned char { kPlain, kMarkup, kPercent, kHigh };

using ClassTable = std::array<ByteClass, 256>;

ClassTable MakeClassTable(PageField field) {
  ClassTable classes{};
  for (std::size_t byte = 0x80; byte < 0x100; ++byte) classes[byte] = ByteClass::kHigh;
  if (field == PageField::kFileLink) {
    for (std::size_t byte = 0; byte < 0x80; ++byte) {
      if (IsReservedInFileLink(static_cast<char>(byte))) classes[byte] = ByteClass::kPercent;
    }
    classes['%'] = ByteClass::kPercent;
    classes['#'] = ByteClass::kPercent;
  }
  for (const char markup : {'&', '<', '>', '"'}) {
    classes[static_cast<unsigned char>(markup)] = ByteClass::kMarkup;
  }
  return classes;
}

const ClassTable& ClassesFor(PageField field) {
  static const ClassTable text = MakeClassTable(PageField::kText);
  static const ClassTable file_link = MakeClassTable(PageField::kFileLink);
  return field == PageField::kFileLink ? file_link : text;
}

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

// Works by runs: plain bytes, the bulk of any name, are appended in one go.
void AppendEscaped(std::string& page, std::string_view text, PageField field) {
  const ClassTable& classes = ClassesFor(field);
  auto class_of = [&classes](char c) { return classes[static_cast<unsigned char>(c)]; };
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = pos;
    while (end < text.size() && class_of(text[end]) == ByteClass::kPlain) ++end;
    page.append(text, pos, end - pos);
    if (end == text.size()) return;
    const char special = text[end];
    switch (class_of(special)) {
      case ByteClass::kMarkup:
        page += EntityFor(special);
        pos = end + 1;
        break;
      case ByteClass::kPercent:
        AppendPercentEncoded(page, static_cast<unsigned char>(special));
        pos = end + 1;
        break;
      default:
        pos = end;
        while (end < text.size() && class_of(text[end]) == ByteClass::kHigh) ++end;
        AppendHighBytes(page, text.substr(pos, end - pos), field);
        pos = end;
        break;
    }
  }
}

}  // namespace

void AppendHtmlText(std::string& page, std::string_view text) {
  AppendEscaped(page, text, PageField::kText);
}

void AppendFileLink(std::string& page, std::string_view path) {
  if (LooksLikeUrlScheme(path)) page += "./";
  // A browser trims the spaces at either end of a link.
  const bool leading_space = path.starts_with(' ');
  if (leading_space) {
    page += "%20";
    path.remove_prefix(1);
  }
  const bool trailing_space = path.ends_with(' ');
  if (trailing_space) path.remove_suffix(1);
  AppendEscaped(page, path, PageField::kFileLink);
  if (trailing_space) page += "%20";
}

void AppendAddress(std::string& page, std::string_view address) {
  AppendEscaped(page, address, PageField::kAddress);
}

}  // namespace treepage
