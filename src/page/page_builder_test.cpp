#include "page/page_builder.h"

#include <gtest/gtest.h>

#include "support/page_text.h"
#include "support/temp_tree.h"

namespace treepage {
namespace {

using testing::Heading;
using testing::Link;
using testing::Native;
using testing::Page;

TEST(SplitEntryName, CutsNamePartBaseNameAndExtension) {
  const std::pair<std::string, EntryName> cases[] = {
      {"News.url", {"News.url", "News", "url"}},
      {"Tools/", {"", "", ""}},
      {"Tools/Old/", {"", "", ""}},
      {"Tools/manual.pdf", {"manual.pdf", "manual", "pdf"}},
      {"a.b.url", {"a.b.url", "a.b", "url"}},
      {"file.", {"file.", "file", ""}},
      {"readme", {"readme", "", "readme"}},
      {".profile", {".profile", "", "profile"}},
      {".url", {".url", "", "url"}},
      {"url", {"url", "", "url"}},
      {"a.d/readme", {"readme", "", "readme"}},
      {"", {"", "", ""}},
  };
  for (const auto& [entry, parts] : cases) {
    EXPECT_EQ(SplitEntryName(Native(entry)), parts) << entry;
  }
}

TEST(BuildPage, EmptyListGivesSevenLines) {
  EXPECT_EQ(BuildPage("root", {}),
            std::string(testing::kPageHeader) + std::string(testing::kPageFooter));
}

// A shortcut, a document and a folder with one file in it.
TEST(BuildPage, WorkedExampleByteForByte) {
  testing::TempTree tree;
  tree.File("News.url", "[InternetShortcut]\r\nURL=http://news.test/today\r\n");
  const std::string& root = tree.root();
  EXPECT_EQ(BuildPage(root, Native({"News.url", "notes.txt", "Tools/", "Tools/manual.pdf"})),
            Page({Link("http://news.test/today", "News"), Link(tree.Path("notes.txt"), "notes"),
                  Heading("Tools"), Link(tree.Path("Tools/manual.pdf"), "manual")}));
}

TEST(BuildPage, RowsForEachKindOfEntry) {
  testing::TempTree tree;
  tree.File("empty.url", "[InternetShortcut]\r\nURL=\r\n");
  tree.File(".url", "[InternetShortcut]\r\nURL=http://dot.test/\r\n");
  tree.File("url", "[InternetShortcut]\r\nURL=http://never.test/\r\n");
  tree.File("News.URL", "[InternetShortcut]\r\nURL=http://never.test/\r\n");
  EXPECT_EQ(BuildPage(tree.root(),
                      Native({"/", "Tools/Old/", "missing.url", "empty.url", "News.URL", "News.Url",
                              "file.", "readme", ".profile", ".url", "url", "a.b.url"})),
            Page({Heading("&nbsp;"), Heading(Native("Tools/Old")), Link("http://", "missing"),
                  Link("", "empty"), Link(tree.Path("News.URL"), "News"),
                  Link(tree.Path("News.Url"), "News"), Link(tree.Path("file."), "file"),
                  Link(tree.Path("readme"), "readme"), Link(tree.Path(".profile"), ".profile"),
                  Link("http://dot.test/", ".url"), Link(tree.Path("url"), "url"),
                  Link("http://", "a.b")}));
}

// Only a root that is the separator alone gets no second one, which would
// make a browser read the first folder as a network host.
TEST(BuildPage, RootIsJoinedUnchanged) {
  const auto no_shortcuts = [](const std::string&) { return std::string("unused"); };
  EXPECT_EQ(BuildPage(Native("some/root/"), {"a.txt"}),
            Page({Link(Native("some/root//a.txt"), "a")}));
  EXPECT_EQ(BuildPage(Native("/"), Native({"bin/", "bin/sh.x", "a.txt"}), no_shortcuts),
            Page({Heading("bin"), Link(Native("/bin/sh.x"), "sh"), Link(Native("/a.txt"), "a")}));
  EXPECT_EQ(BuildPage(Native("//"), {"a.txt"}, no_shortcuts),
            Page({Link(Native("///a.txt"), "a")}));
  EXPECT_EQ(BuildPage("rel", {Native("x/y.txt")}), Page({Link(Native("rel/x/y.txt"), "y")}));
}

TEST(BuildPage, MarkupCharactersAreEscapedEverywhere) {
  testing::TempTree tree;
  tree.File("s.url", "[InternetShortcut]\r\nURL=http://x.test/?a=1&b=\"2\"><script>\r\n");
  EXPECT_EQ(BuildPage(tree.root(), Native({"<b>&\"/", "<b>&\"/a'b>.txt", "s.url"})),
            Page({Heading("&lt;b&gt;&amp;&quot;"),
                  Link(tree.Path("&lt;b&gt;&amp;&quot;/a'b&gt;.txt"), "a'b&gt;"),
                  Link("http://x.test/?a=1&amp;b=&quot;2&quot;&gt;&lt;script&gt;", "s")}));
}

// A byte that a browser would take for URL syntax, or trim, is percent-encoded
// in a link to a file's path, in the root as in the entry; link texts stay.
TEST(BuildPage, FileLinkTargetsArePercentEncoded) {
  const testing::LinkCase cases[] = {
      {"r", "plain name.txt", "r/plain name.txt", "plain name"},
      {"r", "a%20b.txt", "r/a%2520b.txt", "a%20b"},
      {"r", "C# notes.txt", "r/C%23 notes.txt", "C# notes"},
      {"odd root #1", "x.txt", "odd root %231/x.txt", "x"},
      {"100%", "d%/x.txt", "100%25/d%25/x.txt", "x"},
      {" r", "x.txt", "%20r/x.txt", "x"},
      {"r", "x. ", "r/x.%20", "x"},
      {" ", "x. ", "%20/x.%20", "x"},
      {"r", "a & b#.txt", "r/a &amp; b%23.txt", "a &amp; b#"},
  };
  for (const testing::LinkCase& c : cases) {
    EXPECT_EQ(BuildPage(Native(c.root), {Native(c.entry)}), Page({Link(Native(c.target), c.text)}))
        << c.root << " | " << c.entry;
  }
}

TEST(BuildPage, ShortcutAddressesPassUnencoded) {
  testing::TempTree tree;
  tree.File("s.url", "[InternetShortcut]\r\nURL=http://x.test/a%20b?q=1%#frag \r\n");
  EXPECT_EQ(BuildPage(tree.root(), {"s.url"}), Page({Link("http://x.test/a%20b?q=1%#frag", "s")}));
}

}  // namespace
}  // namespace treepage
