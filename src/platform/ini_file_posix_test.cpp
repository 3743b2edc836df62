#include <gtest/gtest.h>

#include <filesystem>

#include "platform/ini_file.h"
#include "support/temp_tree.h"

namespace treepage {
namespace {

// Anything but a regular file is unreadable, and never waited for: a plain
// read of a FIFO would block until a writer came.
TEST(IniFilePosix, OnlyRegularFilesAreRead) {
  testing::TempTree tree;
  tree.Fifo("pipe.url");
  tree.Folder("folder.url");
  const std::string linked = tree.File("real.url", "[InternetShortcut]\nURL=http://l.test/\n");
  tree.Symlink("link.url", linked);
  for (const char* name : {"pipe.url", "folder.url"}) {
    TIniFile ini(tree.Path(name));
    EXPECT_FALSE(ini.ValueExists("InternetShortcut", "URL")) << name;
    EXPECT_EQ(ini.ReadString("InternetShortcut", "URL", "?"), "?") << name;
  }
  EXPECT_EQ(TIniFile(tree.Path("link.url")).ReadString("InternetShortcut", "URL", "?"),
            "http://l.test/");
}

std::string AddressThrough(TreeFolders& folders, const std::string& path) {
  TIniFile ini(path, &folders);
  return ini.ValueExists("InternetShortcut", "URL") ? ini.ReadString("InternetShortcut", "URL", "?")
                                                    : "http://";
}

// A shortcut is read only through the folders below the root as they are:
// one whose folder, or a folder above it, is now a link reads as unreadable.
// The root may be a link, and a shortcut may be a link to a file.
TEST(TreeFolders, NoFolderBelowTheRootIsEnteredThroughALink) {
  testing::TempTree tree;
  const std::string shortcut = "[InternetShortcut]\nURL=http://mine.test/\n";
  tree.File("root/a/b/x.url", shortcut);
  tree.File("root/zzz/y.url", shortcut);
  tree.File("root/target.url", shortcut);
  tree.Symlink("root/a/link.url", "../target.url");
  tree.File("secret/a/b/x.url", "[InternetShortcut]\nURL=http://secret.test/\n");
  tree.File("secret/y.url", "[InternetShortcut]\nURL=http://secret.test/\n");
  const std::string root_link = tree.Symlink("root-link", tree.Path("root"));

  TreeFolders before(root_link + "/");
  EXPECT_EQ(AddressThrough(before, root_link + "/a/b/x.url"), "http://mine.test/");
  EXPECT_EQ(AddressThrough(before, root_link + "/a/link.url"), "http://mine.test/");

  std::filesystem::rename(tree.Path("root/a"), tree.Path("root/a.old"));
  tree.Symlink("root/a", tree.Path("secret/a"));
  std::filesystem::rename(tree.Path("root/zzz"), tree.Path("root/zzz.old"));
  tree.Symlink("root/zzz", tree.Path("secret"));
  TreeFolders after(root_link + "/");
  EXPECT_EQ(AddressThrough(after, root_link + "/a/b/x.url"), "http://");
  EXPECT_EQ(AddressThrough(after, root_link + "/zzz/y.url"), "http://");
  // The folders already open are the ones that were there before.
  EXPECT_EQ(AddressThrough(before, root_link + "/a/b/x.url"), "http://mine.test/");
}

}  // namespace
}  // namespace treepage
