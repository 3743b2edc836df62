#include "listing/folder_scanner.h"

#include <gtest/gtest.h>

#include "support/temp_tree.h"

namespace treepage {
namespace {

using testing::Native;

TStringList Scan(const std::string& root) {
  TStringList entries;
  ScanFolder(root, entries, "");
  return entries;
}

// The folder News is entered; Old carries the read-only flag too, so it is
// listed like a file and nothing below it is.
class FolderScannerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree.File("News/Site.url");
    tree.Folder("News/Local");
    tree.File("Mail.url");
    tree.File("Old/Paper.url");
    tree.SetFurtherAttribute("Old");
    tree.File("readme");
  }

  testing::TempTree tree;
  const TStringList expected =
      Native({"Mail.url", "News/", "News/Local/", "News/Site.url", "Old", "readme"});
};

TEST_F(FolderScannerTest, ListsDepthFirstInPreOrder) { EXPECT_EQ(Scan(tree.root()), expected); }

TEST_F(FolderScannerTest, EntriesDoNotDependOnHowTheRootIsSpelled) {
  EXPECT_EQ(Scan(Native(tree.root() + "/")), expected);
  EXPECT_EQ(Scan(Native(tree.root() + "/News/..")), expected);
}

TEST_F(FolderScannerTest, AppendsBehindWhatTheListHolds) {
  TStringList entries = {"earlier"};
  ScanFolder(tree.Path("News"), entries, Native("News/"));
  EXPECT_EQ(entries, Native({"earlier", "News/Local/", "News/Site.url"}));
}

TEST(FolderScanner, MissingRootOrFileRootGivesNoEntries) {
  testing::TempTree tree;
  EXPECT_TRUE(Scan(tree.root()).empty());
  EXPECT_TRUE(Scan(tree.Path("missing")).empty());
  EXPECT_TRUE(Scan(tree.File("plain.txt")).empty());
}

TEST(FolderScanner, NamesOfEveryShapeAreListedUnchanged) {
  testing::TempTree tree;
  tree.File("a.b.url");
  tree.File(".profile");
  tree.File("x.y/readme");
  EXPECT_EQ(Scan(tree.root()), Native({".profile", "a.b.url", "x.y/", "x.y/readme"}));
}

}  // namespace
}  // namespace treepage
