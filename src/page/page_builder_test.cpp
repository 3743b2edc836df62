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

TEST(BuildPage, RootIsJoinedUnchanged) {
  EXPECT_EQ(BuildPage(Native("some/root/"), {"a.txt"}),
            Page({Link(Native("some/root//a.txt"), "a")}));
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

}  // namespace
}  // namespace treepage
