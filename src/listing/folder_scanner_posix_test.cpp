#include <gtest/gtest.h>

#include "listing/folder_scanner.h"
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

}  // namespace
}  // namespace treepage
