#include <gtest/gtest.h>

#include "platform/page_charset.h"

namespace treepage {
namespace {

struct CharsetCase {
  std::string_view bytes;
  std::string_view page_text;
};

constexpr std::string_view kReplacement = "&#65533;";

class AppendHighBytesTest : public ::testing::TestWithParam<CharsetCase> {};

TEST_P(AppendHighBytesTest, WritesReferences) {
  std::string page = "x";
  AppendHighBytes(page, GetParam().bytes, PageField::kText);
  EXPECT_EQ(page, "x" + std::string(GetParam().page_text));
}

INSTANTIATE_TEST_SUITE_P(
    WellFormed, AppendHighBytesTest,
    ::testing::Values(CharsetCase{"\xC3\xA9", "&#233;"},        // é
                      CharsetCase{"\xE2\x82\xAC", "&#8364;"},   // €
                      CharsetCase{"\xC2\x80", "&#65533;"},      // U+0080, which HTML reads as €
                      CharsetCase{"\xC2\x9F", "&#65533;"},      // U+009F, which HTML reads as Ÿ
                      CharsetCase{"\xC2\xA0", "&#160;"},        // the first character after them
                      CharsetCase{"\xDF\xBF", "&#2047;"},       // highest two-byte form
                      CharsetCase{"\xE0\xA0\x80", "&#2048;"},   // lowest three-byte form
                      CharsetCase{"\xED\x9F\xBF", "&#55295;"},  // just below the surrogates
                      CharsetCase{"\xEE\x80\x80", "&#57344;"},  // just above them
                      CharsetCase{"\xF0\x90\x80\x80", "&#65536;"},  // lowest four-byte form
                      CharsetCase{"\xF0\x9D\x84\x9E", "&#119070;"},
                      CharsetCase{"\xF4\x8F\xBF\xBF", "&#1114111;"},  // U+10FFFF
                      CharsetCase{"\xC3\xA9\xE2\x82\xAC", "&#233;&#8364;"}));

INSTANTIATE_TEST_SUITE_P(
    Malformed, AppendHighBytesTest,
    ::testing::Values(
        CharsetCase{"\x80", "&#65533;"},                          // lone continuation byte
        CharsetCase{"\xFF", "&#65533;"},                          // never in UTF-8
        CharsetCase{"\xE9", "&#65533;"},                          // Latin-1 é
        CharsetCase{"\xC0\x80", "&#65533;&#65533;"},              // overlong NUL
        CharsetCase{"\xC1\xBF", "&#65533;&#65533;"},              // overlong
        CharsetCase{"\xE0\x9F\xBF", "&#65533;&#65533;&#65533;"},  // overlong three-byte
        CharsetCase{"\xED\xA0\x80", "&#65533;&#65533;&#65533;"},  // surrogate U+D800
        CharsetCase{"\xF0\x8F\xBF\xBF", "&#65533;&#65533;&#65533;&#65533;"},  // overlong
        CharsetCase{"\xF4\x90\x80\x80", "&#65533;&#65533;&#65533;&#65533;"},  // above U+10FFFF
        CharsetCase{"\xF5\x80\x80\x80", "&#65533;&#65533;&#65533;&#65533;"},
        CharsetCase{"\xE2\x82", "&#65533;&#65533;"},    // cut short
        CharsetCase{"\xC3\xC3\xA9", "&#65533;&#233;"},  // a lead byte cut off by another
        CharsetCase{"\xE2\x82\xAC\x80", "&#8364;&#65533;"}));

struct FieldCase {
  PageField field;
  std::string_view bytes;
  std::string_view page_text;
};

// Links to files keep the file's own bytes: a stray byte is percent-encoded.
// Shortcut addresses read a stray byte as windows-1252, as Windows does.
// Neither ever writes a reference that HTML would read as windows-1252.
TEST(AppendHighBytes, EachFieldAsBrowsersReadIt) {
  const FieldCase cases[] = {
      {PageField::kFileLink, "\xC3\xA9\xFF\xE2\x82\xC0\x80\xE2\x82\xAC",
       "&#233;%FF%E2%82%C0%80&#8364;"},
      {PageField::kFileLink, "\xC2\x80\xC2\x96", "%C2%80%C2%96"},
      {PageField::kAddress, "\xC2\x96\xC3\xB6", "%C2%96&#246;"},
      {PageField::kAddress, "\xF6", "&#246;"},
      {PageField::kAddress, "\x80\x96\x9F\xA0\xFF", "&#8364;&#8211;&#376;&#160;&#255;"},
      {PageField::kAddress, "\x81\x8D\x8F\x90\x9D", "%C2%81%C2%8D%C2%8F%C2%90%C2%9D"},
      {PageField::kAddress, "\xE2\x82", "&#226;&#8218;"},
      {PageField::kText, "\x80\xC2\x80", "&#65533;&#65533;"},
  };
  for (const FieldCase& c : cases) {
    std::string page;
    AppendHighBytes(page, c.bytes, c.field);
    EXPECT_EQ(page, c.page_text) << static_cast<int>(c.field) << " " << c.bytes;
  }
}

}  // namespace
}  // namespace treepage
