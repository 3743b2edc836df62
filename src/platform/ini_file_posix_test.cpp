#include <gtest/gtest.h>

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

}  // namespace
}  // namespace treepage
