#include <gtest/gtest.h>

#include "platform/ini_file.h"
#include "support/temp_tree.h"

namespace treepage {
namespace {

// The key list of a long section fills any first buffer; the key test must
// still see a key near its end.
TEST(IniFileWin32, KeyTestSearchesSectionsOfAnyLength) {
  testing::TempTree tree;
  std::string text = "[InternetShortcut]\r\n";
  for (int i = 0; i < 2000; ++i) text += "SomeRatherLongKeyName" + std::to_string(i) + "=x\r\n";
  text += "url=http://late.test/\r\n";
  TIniFile ini(tree.File("long.url", text));
  EXPECT_TRUE(ini.ValueExists("InternetShortcut", "URL"));
  EXPECT_EQ(ini.ReadString("InternetShortcut", "URL", "?"), "http://late.test/");
}

TEST(IniFileWin32, ValueIsCutAfter2047Bytes) {
  testing::TempTree tree;
  const std::string value = "http://i.test/" + std::string(3000, 'i');
  TIniFile ini(tree.File("cut.url", "[InternetShortcut]\r\nURL=" + value + "\r\n"));
  EXPECT_EQ(ini.ReadString("InternetShortcut", "URL", "?"), value.substr(0, 2047));
}

TEST(IniFileWin32, MissingFileOrSectionHasNoKey) {
  testing::TempTree tree;
  EXPECT_FALSE(TIniFile(tree.Path("missing.url")).ValueExists("InternetShortcut", "URL"));
  TIniFile other(tree.File("other.url", "[Other]\r\nURL=http://x.test/\r\n"));
  EXPECT_FALSE(other.ValueExists("InternetShortcut", "URL"));
  EXPECT_EQ(other.ReadString("InternetShortcut", "URL", "?"), "?");
}

}  // namespace
}  // namespace treepage
