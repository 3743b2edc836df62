#include <gtest/gtest.h>

#include <filesystem>
#include <utility>
#include <vector>

#include "platform/directory_search.h"
#include "support/temp_tree.h"

namespace treepage {
namespace {

using Listing = std::vector<std::pair<std::string, std::uint32_t>>;

Listing ListFolder(const std::string& folder) {
  Listing listing;
  TSearchRec rec;
  if (FindFirst(folder + "/*.*", kFaAnyFile, rec) != 0) return listing;
  do {
    listing.emplace_back(rec.Name, rec.Attr);
  } while (FindNext(rec) == 0);
  FindClose(rec);
  return listing;
}

TEST(DirectorySearch, DotsFirstThenNamesByUpperCasedBytes) {
  testing::TempTree tree;
  for (const char* name : {"b", "_x", "a", "A", "B2", "~", "Z"}) tree.File(name);
  const Listing listing = ListFolder(tree.root());
  std::vector<std::string> names;
  for (const auto& [name, attributes] : listing) names.push_back(name);
  // "_" (0x5F) sorts after the letters once they are upper case; "A" and "a"
  // tie and fall back to their bytes.
  EXPECT_EQ(names, (std::vector<std::string>{".", "..", "A", "a", "b", "B2", "Z", "_x", "~"}));
}

TEST(DirectorySearch, AttributesStandInForWindowsOnes) {
  testing::TempTree tree;
  tree.File("file");
  tree.File("read-only");
  tree.Chmod("read-only", 0444);
  tree.File(".hidden");
  tree.Folder("folder");
  tree.Folder("locked");
  tree.Chmod("locked", 0555);
  tree.Folder(".git");
  tree.Symlink("link-to-folder", tree.Path("folder"));
  tree.Symlink("link-to-file", tree.Path("file"));
  tree.Symlink("dangling", tree.Path("nowhere"));
  tree.Fifo("pipe.url");
  tree.Folder("owner-only");
  tree.Chmod("owner-only", 0200);

  const Listing expected = {
      {".", kFaDirectory | kFaHidden},
      {"..", kFaDirectory | kFaHidden},
      {".git", 18},
      {".hidden", 34},
      {"file", 32},
      {"folder", 16},
      {"link-to-file", 32},
      {"link-to-folder", 1040},
      {"locked", 17},
      {"owner-only", 16},
      {"pipe.url", 32},
      {"read-only", 33},
  };
  EXPECT_EQ(ListFolder(tree.root()), expected);
}

TEST(DirectorySearch, FolderThatCannotBeOpenedFailsTheFirstSearch) {
  testing::TempTree tree;
  const std::string file = tree.File("plain");
  TSearchRec rec;
  EXPECT_NE(FindFirst(tree.Path("missing") + "/*.*", kFaAnyFile, rec), 0);
  EXPECT_NE(FindFirst(file + "/*.*", kFaAnyFile, rec), 0);
  EXPECT_NE(FindNext(rec), 0);
}

TEST(DirectorySearch, DoubledSeparatorIsAccepted) {
  testing::TempTree tree;
  tree.File("a");
  EXPECT_EQ(ListFolder(tree.root() + "/"), ListFolder(tree.root()));
}

TEST(DirectorySearch, MaskLeavesOutHiddenAndFolders) {
  testing::TempTree tree;
  tree.File("plain");
  tree.File(".hidden");
  tree.Folder("sub");
  TSearchRec rec;
  ASSERT_EQ(FindFirst(tree.root() + "/*.*", kFaArchive, rec), 0);
  EXPECT_EQ(rec.Name, "plain");
  EXPECT_NE(FindNext(rec), 0);
  FindClose(rec);
}

// Moves `rec` on to `name`; false when the listing has no such name.
bool MoveTo(TSearchRec& rec, const std::string& name) {
  while (rec.Name != name) {
    if (FindNext(rec) != 0) return false;
  }
  return true;
}

// Replaces the folder `relative` with a link to `target`, keeping the folder
// under another name.
void SwapForLink(testing::TempTree& tree, const std::string& relative, const std::string& target) {
  std::filesystem::rename(tree.Path(relative), tree.Path(relative + ".old"));
  tree.Symlink(relative, target);
}

// A folder that the listing saw as a plain folder, swapped for a link to a
// folder outside the tree before its own search: nothing is found there.
TEST(DirectorySearch, SubfolderSwappedForALinkIsNotSearched) {
  testing::TempTree tree;
  tree.File("root/zzz/mine.txt");
  tree.File("root/aaa/sibling.txt");
  const std::string secret = tree.Folder("secret");
  tree.File("secret/private-key.pem");

  TSearchRec parent;
  ASSERT_EQ(FindFirst(tree.Path("root") + "/*.*", kFaAnyFile, parent), 0);
  ASSERT_TRUE(MoveTo(parent, "aaa"));
  TSearchRec sibling;
  EXPECT_EQ(FindFirstBelow(parent, tree.Path("root/aaa") + "/*.*", kFaAnyFile, sibling), 0);
  ASSERT_TRUE(MoveTo(parent, "zzz"));
  SwapForLink(tree, "root/zzz", secret);
  TSearchRec swapped;
  EXPECT_NE(FindFirstBelow(parent, tree.Path("root/zzz") + "/*.*", kFaAnyFile, swapped), 0);
  EXPECT_NE(FindNext(swapped), 0);
}

// The same when a folder further up is swapped: the path now leads to
// another folder of the same name, which is not the one listed.
TEST(DirectorySearch, FolderBelowASwappedParentIsNotSearched) {
  testing::TempTree tree;
  tree.File("root/a/b/mine.txt");
  const std::string secret = tree.Folder("secret");
  tree.File("secret/b/passwords.txt");

  TSearchRec root;
  ASSERT_EQ(FindFirst(tree.Path("root") + "/*.*", kFaAnyFile, root), 0);
  ASSERT_TRUE(MoveTo(root, "a"));
  TSearchRec a;
  ASSERT_EQ(FindFirstBelow(root, tree.Path("root/a") + "/*.*", kFaAnyFile, a), 0);
  ASSERT_TRUE(MoveTo(a, "b"));
  SwapForLink(tree, "root/a", secret);
  TSearchRec b;
  EXPECT_NE(FindFirstBelow(a, tree.Path("root/a/b") + "/*.*", kFaAnyFile, b), 0);
}

}  // namespace
}  // namespace treepage
