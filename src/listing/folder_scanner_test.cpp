#include "listing/folder_scanner.h"

#include <gtest/gtest.h>

#include "support/temp_tree.h"

namespace treepage {
namespace {

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
    tree.Chmod("Old", 0555);
    tree.File("readme");
  }

  testing::TempTree tree;
  const TStringList expected = {"Mail.url",      "News/", "News/Local/",
                                "News/Site.url", "Old",   "readme"};
};

TEST_F(FolderScannerTest, ListsDepthFirstInPreOrder) { EXPECT_EQ(Scan(tree.root()), expected); }

TEST_F(FolderScannerTest, EntriesDoNotDependOnHowTheRootIsSpelled) {
  EXPECT_EQ(Scan(tree.root() + "/"), expected);
  EXPECT_EQ(Scan(tree.root() + "/News/.."), expected);
}

TEST_F(FolderScannerTest, AppendsBehindWhatTheListHolds) {
  TStringList entries = {"earlier"};
  ScanFolder(tree.Path("News"), entries, "News/");
  EXPECT_EQ(entries, (TStringList{"earlier", "News/Local/", "News/Site.url"}));
}

TEST(FolderScanner, MissingRootOrFileRootGivesNoEntries) {
  testing::TempTree tree;
  EXPECT_TRUE(Scan(tree.root()).empty());
  EXPECT_TRUE(Scan(tree.Path("missing")).empty());
  EXPECT_TRUE(Scan(tree.File("plain.txt")).empty());
}

TEST(FolderScanner, FoldersWithFurtherAttributesAreNotEntered) {
  testing::TempTree tree;
  tree.File(".git/config");
  tree.File("real/inner.txt");
  tree.Symlink("loop", tree.root());
  tree.Symlink("real/up", tree.Path("real"));
  tree.File("...");
  tree.File("a.b.url");
  EXPECT_EQ(Scan(tree.root()),
            (TStringList{"...", ".git", "a.b.url", "loop", "real/", "real/inner.txt", "real/up"}));
}

TEST(FolderScanner, NamesWithBytesOfAnyKindAreKept) {
  testing::TempTree tree;
  tree.File("caf\xC3\xA9/\xFF\\<&>\".txt");
  EXPECT_EQ(Scan(tree.root()), (TStringList{"caf\xC3\xA9/", "caf\xC3\xA9/\xFF\\<&>\".txt"}));
}

}  // namespace
}  // namespace treepage
