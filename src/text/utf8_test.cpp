#include "text/utf8.h"

#include <gtest/gtest.h>

namespace treepage {
namespace {

// Names as Windows gives them, to UTF-8 and back: a lone surrogate, which no
// UTF-8 can hold, keeps its three-byte form, so the name comes back unchanged
// and its file can still be opened.
TEST(Utf16, ToUtf8AndBack) {
  const struct {
    std::u16string utf16;
    std::string utf8;
  } cases[] = {
      {u"plain", "plain"},
      {u"caf\u00E9", "caf\xC3\xA9"},
      {u"\u6771\u4EAC", "\xE6\x9D\xB1\xE4\xBA\xAC"},
      {u"\U0001F3B5 Music", "\xF0\x9F\x8E\xB5 Music"},
      {u"\uFFFF\u0800\u07FF\u0080", "\xEF\xBF\xBF\xE0\xA0\x80\xDF\xBF\xC2\x80"},
      {std::u16string{0xD800}, "\xED\xA0\x80"},
      {std::u16string{u'a', 0xDC00, u'b'},
       "a\xED\xB0\x80"
       "b"},
      {std::u16string{0xDBFF, 0xDBFF, 0xDFFF}, "\xED\xAF\xBF\xF4\x8F\xBF\xBF"},
      {std::u16string{0xDFFF, 0xD800}, "\xED\xBF\xBF\xED\xA0\x80"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8FromUtf16(c.utf16), c.utf8) << c.utf8;
    EXPECT_EQ(Utf16FromUtf8(c.utf8), c.utf16) << c.utf8;
  }
}

TEST(Utf16, BytesThatStartNoCharacterBecomeReplacementCharacters) {
  EXPECT_EQ(Utf16FromUtf8("a\xFF"
                          "b\xC3"),
            (std::u16string{u'a', 0xFFFD, u'b', 0xFFFD}));
  EXPECT_EQ(Utf16FromUtf8("\xC0\x80"), (std::u16string{0xFFFD, 0xFFFD}));
}

}  // namespace
}  // namespace treepage
