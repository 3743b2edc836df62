#include <gtest/gtest.h>

#include "page/page_builder.h"
#include "support/page_text.h"

namespace treepage {
namespace {

using testing::Heading;
using testing::Link;
using testing::Page;

// UTF-8 names show in any browser: characters become references, stray bytes
// the replacement character in text and themselves, percent-encoded, in a link.
TEST(BuildPagePosix, NonAsciiBytesBecomeCharacterReferences) {
  EXPECT_EQ(
      BuildPage("/r\xC3\xA9", {"caf\xC3\xA9/", "caf\xC3\xA9/\xE2\x82\xAC \xFF.txt"}),
      Page({Heading("caf&#233;"), Link("/r&#233;/caf&#233;/&#8364; %FF.txt", "&#8364; &#65533;")}));
}

TEST(BuildPagePosix, BackslashIsPartOfAName) {
  EXPECT_EQ(SplitEntryName("d\\e/x\\y.txt"), (EntryName{"x\\y.txt", "x\\y", "txt"}));
  EXPECT_EQ(BuildPage("r", {"d\\e/"}), Page({Heading("d\\e")}));
}

// What Linux names may hold and a browser would misread in a link.
TEST(BuildPagePosix, FileLinkTargetsEncodeWhatOnlyLinuxNamesHold) {
  const testing::LinkCase cases[] = {
      {"r", "what?.txt", "r/what%3F.txt", "what?"},
      {"wh?", "x.txt", "wh%3F/x.txt", "x"},
      {"r", "back\\slash.txt", "r/back%5Cslash.txt", "back\\slash"},
      {"r", "t\tl\nc\r.txt", "r/t%09l%0Ac%0D.txt", "t\tl\nc\r"},
      {"r", "\x01\x1F\x7F.txt", "r/%01%1F%7F.txt", "\x01\x1F\x7F"},
      {"r", "caf\xE9.txt", "r/caf%E9.txt", "caf&#65533;"},
      {"r", "caf\xC3\xA9?.txt", "r/caf&#233;%3F.txt", "caf&#233;?"},
      {"r", "~!$'()*+,;=@[]^`{|}.txt", "r/~!$'()*+,;=@[]^`{|}.txt", "~!$'()*+,;=@[]^`{|}"},
      // U+0080 to U+009F, which HTML would read as windows-1252 characters.
      {"r", "price\xC2\x80.txt", "r/price%C2%80.txt", "price&#65533;"},
      // A relative first part with ":" would be a URL scheme.
      {"Notes:work", "a.txt", "./Notes:work/a.txt", "a"},
      {"mailto:x", "a.txt", "./mailto:x/a.txt", "a"},
      {"a/b:c", "a.txt", "a/b:c/a.txt", "a"},
      {"/abs:x", "a.txt", "/abs:x/a.txt", "a"},
      {"r", "c:d.txt", "r/c:d.txt", "c:d"},
  };
  for (const testing::LinkCase& c : cases) {
    EXPECT_EQ(BuildPage(c.root, {c.entry}), Page({Link(c.target, c.text)})) << c.entry;
  }
}

// Shortcut addresses keep ASCII as it is; bytes that are not UTF-8 are read
// as windows-1252, as the Windows build reads the same file.
TEST(BuildPagePosix, ShortcutAddressesAsWindowsWroteThem) {
  const auto addresses = [](const std::string& path) -> std::string {
    if (path == "r/ansi.url") return "https://de.wikipedia.org/wiki/K\xF6ln";
    return "http://x.test/\xC2\x96-\xE2\x80\x93";
  };
  EXPECT_EQ(BuildPage("r", {"ansi.url", "c1.url"}, addresses),
            Page({Link("https://de.wikipedia.org/wiki/K&#246;ln", "ansi"),
                  Link("http://x.test/%C2%96-&#8211;", "c1")}));
}

}  // namespace
}  // namespace treepage
