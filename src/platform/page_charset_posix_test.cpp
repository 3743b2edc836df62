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
    ::testing::Values(CharsetCase{"\xC3\xA9", "&#233;"},            // é
                      CharsetCase{"\xE2\x82\xAC", "&#8364;"},       // €
                      CharsetCase{"\xC2\x80", "&#128;"},            // lowest two-byte form
                      CharsetCase{"\xDF\xBF", "&#2047;"},           // highest two-byte form
                      CharsetCase{"\xE0\xA0\x80", "&#2048;"},       // lowest three-byte form
                      CharsetCase{"\xED\x9F\xBF", "&#55295;"},      // just below the surrogates
                      CharsetCase{"\xEE\x80\x80", "&#57344;"},      // just above them
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

// In a link, a byte outside any well-formed sequence is percent-encoded, so
// that the link still names the file's own bytes; characters stay references.
TEST(AppendHighBytesFileLink, MalformedBytesArePercentEncoded) {
  std::string page;
  AppendHighBytes(page, "\xC3\xA9\xFF\xE2\x82\xC0\x80\xE2\x82\xAC", PageField::kFileLink);
  EXPECT_EQ(page, "&#233;%FF%E2%82%C0%80&#8364;");
}

}  // namespace
}  // namespace treepage
