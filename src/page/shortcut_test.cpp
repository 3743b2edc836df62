#include "page/shortcut.h"

#include <gtest/gtest.h>

#include "support/temp_tree.h"

namespace treepage {
namespace {

TEST(ReadShortcutUrl, ReadsTheStoredAddress) {
  testing::TempTree tree;
  const std::string path =
      tree.File("Debian.url",
                "[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,11\r\n[InternetShortcut]\r\n"
                "IDList=\r\nURL=https://www.debian.org/\r\nIconIndex=0\r\n");
  EXPECT_EQ(ReadShortcutUrl(path), "https://www.debian.org/");
}

TEST(ReadShortcutUrl, FallsBackWhenNothingCanBeRead) {
  testing::TempTree tree;
  tree.Folder("folder.url");
  tree.File("empty.url");
  tree.File("binary.url", std::string("\0\x01\x02[", 4));
  tree.File("no-key.url", "[InternetShortcut]\r\nIDList=\r\n");
  for (const char* name : {"missing.url", "folder.url", "empty.url", "binary.url", "no-key.url"}) {
    EXPECT_EQ(ReadShortcutUrl(tree.Path(name)), "http://") << name;
  }
}

TEST(ReadShortcutUrl, KeyWithoutValueGivesQuestionMark) {
  testing::TempTree tree;
  const std::string path =
      tree.File("q.url", "[InternetShortcut]\r\nURL\r\nURL=http://b.test/\r\n");
  EXPECT_EQ(ReadShortcutUrl(path), "?");
}

TEST(ReadShortcutUrl, ValueIsCutAfter2047BytesAcrossReadBlocks) {
  testing::TempTree tree;
  std::string text = "[InternetShortcut]\r\nURL=http://i.test/" + std::string(200000, 'x') + "\r\n";
  const std::string path = tree.File("long.url", text);
  EXPECT_EQ(ReadShortcutUrl(path), text.substr(24, 2047));
}

TEST(ReadShortcutUrl, ReadsUtf16Files) {
  testing::TempTree tree;
  std::string text = "\xFF\xFE";
  for (char c : std::string_view("[InternetShortcut]\r\nURL=http://e.test/\r\n")) {
    text += c;
    text += '\0';
  }
  EXPECT_EQ(ReadShortcutUrl(tree.File("wide.url", text)), "http://e.test/");
}

}  // namespace
}  // namespace treepage
