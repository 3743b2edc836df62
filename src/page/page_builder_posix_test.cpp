#include <gtest/gtest.h>

#include "page/page_builder.h"
#include "support/page_text.h"

namespace treepage {
namespace {

using testing::Heading;
using testing::Link;
using testing::Page;

// UTF-8 names show in any browser: characters become references, stray bytes
// the replacement character.
TEST(BuildPagePosix, NonAsciiBytesBecomeCharacterReferences) {
  EXPECT_EQ(BuildPage("/r\xC3\xA9", {"caf\xC3\xA9/", "caf\xC3\xA9/\xE2\x82\xAC \xFF.txt"}),
            Page({Heading("caf&#233;"),
                  Link("/r&#233;/caf&#233;/&#8364; &#65533;.txt", "&#8364; &#65533;")}));
}

TEST(BuildPagePosix, BackslashIsPartOfAName) {
  EXPECT_EQ(SplitEntryName("d\\e/x\\y.txt"), (EntryName{"x\\y.txt", "x\\y", "txt"}));
  EXPECT_EQ(BuildPage("r", {"d\\e/"}), Page({Heading("d\\e")}));
}

}  // namespace
}  // namespace treepage
