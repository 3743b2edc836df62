#include <gtest/gtest.h>

#include <filesystem>

#include "listing/folder_scanner.h"
#include "page/page_builder.h"
#include "support/temp_tree.h"

namespace treepage {
namespace {

TStringList Scan(const std::string& root) {
  TStringList entries;
  ScanFolder(root, entries, "");
  return entries;
}

// Hidden folders and links to folders are listed, never entered, so a link
// to an ancestor makes no loop.
TEST(FolderScannerPosix, HiddenFoldersAndLinksAreNotEntered) {
  testing::TempTree tree;
  tree.File(".git/config");
  tree.File("real/inner.txt");
  tree.Symlink("loop", tree.root());
  tree.Symlink("real/up", tree.Path("real"));
  tree.File("...");
  EXPECT_EQ(Scan(tree.root()),
            (TStringList{"...", ".git", "loop", "real/", "real/inner.txt", "real/up"}));
}

TEST(FolderScannerPosix, NamesWithBytesOfAnyKindAreKept) {
  testing::TempTree tree;
  tree.File("caf\xC3\xA9/\xFF\\<&>\".txt");
  EXPECT_EQ(Scan(tree.root()), (TStringList{"caf\xC3\xA9/", "caf\xC3\xA9/\xFF\\<&>\".txt"}));
}

// A folder listed as a plain folder and swapped for a link to a folder
// outside the tree before the page is built: its shortcuts read as
// unreadable, and nothing from outside reaches the page.
TEST(FolderScannerPosix, FolderSwappedBetweenListingAndPageDisclosesNothing) {
  testing::TempTree tree;
  tree.File("root/aaa.txt");
  tree.File("root/zzz/inner/site.url", "[InternetShortcut]\nURL=http://mine.test/\n");
  tree.File("secret/inner/site.url", "[InternetShortcut]\nURL=http://secret.test/\n");
  tree.File("secret/private-key.pem");
  const std::string root = tree.Path("root");
  const TStringList entries = Scan(root);
  EXPECT_EQ(entries, (TStringList{"aaa.txt", "zzz/", "zzz/inner/", "zzz/inner/site.url"}));

  std::filesystem::rename(tree.Path("root/zzz"), tree.Path("root/old"));
  tree.Symlink("root/zzz", tree.Path("secret"));
  const std::string page = BuildPage(root, entries);
  EXPECT_NE(page.find("<a href=\"http://\">site</a>"), std::string::npos) << page;
  EXPECT_EQ(page.find("secret"), std::string::npos);
  EXPECT_EQ(Scan(root),
            (TStringList{"aaa.txt", "old/", "old/inner/", "old/inner/site.url", "zzz"}));
}

}  // namespace
}  // namespace treepage
