#include <windows.h>

#include <gtest/gtest.h>

#include "page/page_builder.h"
#include "platform/page_charset.h"

namespace treepage {
namespace {

class PageCharsetWin32 : public ::testing::Test {
 protected:
  void SetUp() override {
    if (GetACP() != 1252) GTEST_SKIP() << "the tables are for code page 1252, not " << GetACP();
  }
};

// Characters that code page 1252 holds are its bytes, exactly as names were
// always written; every other one is a reference, never a best-fit likeness.
TEST_F(PageCharsetWin32, AnsiBytesWhereTheCodePageHoldsTheCharacter) {
  const struct {
    std::string_view utf8;
    std::string_view text;
    std::string_view link;
  } cases[] = {
      {"\xC3\xA9", "\xE9", "\xE9"},                    // é
      {"\xE2\x82\xAC", "\x80", "\x80"},                // €
      {"\xC2\x81", "\x81", "\x81"},                    // a byte 1252 leaves free
      {"\xC4\x80", "&#256;", "&#256;"},                // Ā, best fit "A"
      {"\xCE\xB1", "&#945;", "&#945;"},                // Greek
      {"\xE6\x9D\xB1", "&#26481;", "&#26481;"},        // CJK
      {"\xE2\x86\x92", "&#8594;", "&#8594;"},          // →
      {"\xF0\x9F\x8E\xB5", "&#127925;", "&#127925;"},  // outside the BMP
      {"\xED\xA0\x80", "&#65533;", "&#65533;"},        // a lone surrogate
      {"\xC2\x80", "&#65533;", "%C2%80"},              // U+0080, read as € as &#128;
      {"caf\xC3\xA9 \xCE\xB1", "caf\xE9 &#945;", "caf\xE9 &#945;"},
  };
  for (const auto& c : cases) {
    std::string text;
    std::string link;
    AppendHighBytes(text, c.utf8, PageField::kText);
    AppendHighBytes(link, c.utf8, PageField::kFileLink);
    EXPECT_EQ(text, c.text) << c.utf8;
    EXPECT_EQ(link, c.link) << c.utf8;
  }
}

// A page of names that the code page holds is byte for byte what it was.
TEST_F(PageCharsetWin32, PagesOfAnsiNamesAreUnchanged) {
  const auto no_shortcuts = [](const std::string&) { return std::string("http://"); };
  const std::string page = BuildPage(
      "C:\\Links", {"caf\xC3\xA9\\", "caf\xC3\xA9\\\xE2\x82\xAC & \xC3\xBF.txt"}, no_shortcuts);
  EXPECT_NE(page.find("<b>caf\xE9</b>"), std::string::npos);
  EXPECT_NE(page.find("href=\"C:\\Links\\caf\xE9\\\x80 &amp; \xFF.txt\">\x80 &amp; \xFF</a>"),
            std::string::npos);
}

}  // namespace
}  // namespace treepage
