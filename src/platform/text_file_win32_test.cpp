#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "platform/exceptions.h"
#include "platform/text_file.h"
#include "support/temp_tree.h"

namespace treepage {
namespace {

using testing::NamesIn;
using testing::ReadWholeFile;

void WriteWhole(const std::string& name, std::string_view text) {
  TextFile file(name);
  file.Rewrite();
  file.Write(text);
  file.Close();
}

// The error code that a failing write raises, or 0.
int ErrorCodeOfWriting(const std::string& name) {
  try {
    WriteWhole(name, "new page");
  } catch (const EInOutError& failure) {
    return failure.ErrorCode();
  }
  return 0;
}

TEST(TextFileWin32, ReplacesTheOldFileAndKeepsItsAttributes) {
  testing::TempTree tree;
  const std::string out = tree.File("out/page.html", std::string(1000, 'o'));
  ASSERT_TRUE(
      SetFileAttributesA(out.c_str(), FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED));
  const DWORD attributes = GetFileAttributesA(out.c_str());
  WriteWhole(out, "new page");
  EXPECT_EQ(ReadWholeFile(out), "new page");
  EXPECT_EQ(GetFileAttributesA(out.c_str()), attributes);
  EXPECT_EQ(NamesIn(tree.Path("out")), std::set<std::string>{"page.html"});

  WriteWhole(tree.Path("out/new.html"), "first page");
  EXPECT_EQ(ReadWholeFile(tree.Path("out/new.html")), "first page");
  EXPECT_EQ(NamesIn(tree.Path("out")), (std::set<std::string>{"new.html", "page.html"}));
}

// A write that never completes (the run failed part way) leaves the old file,
// and nothing beside it.
TEST(TextFileWin32, UnfinishedWriteLeavesTheOldFile) {
  testing::TempTree tree;
  const std::string out = tree.File("out/page.html", "old page");
  {
    TextFile file(out);
    file.Rewrite();
    file.Write(std::string(1000, 'n'));
  }
  EXPECT_EQ(ReadWholeFile(out), "old page");
  EXPECT_EQ(NamesIn(tree.Path("out")), std::set<std::string>{"page.html"});
  {
    TextFile file(tree.Path("out/new.html"));
    file.Rewrite();
    file.Write(std::string(1000, 'n'));
  }
  EXPECT_EQ(NamesIn(tree.Path("out")), std::set<std::string>{"page.html"});
}

// Windows refuses to create a file with plain attributes over a hidden or a
// system one, and to write a read-only one; nothing is created or changed.
TEST(TextFileWin32, RefusalsOfTheOpenStay) {
  testing::TempTree tree;
  const struct {
    const char* name;
    DWORD attributes;
  } cases[] = {{"hidden.html", FILE_ATTRIBUTE_HIDDEN},
               {"system.html", FILE_ATTRIBUTE_SYSTEM},
               {"read-only.html", FILE_ATTRIBUTE_READONLY}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string out = tree.File(std::string("out/") + c.name, "old page");
    ASSERT_TRUE(SetFileAttributesA(out.c_str(), c.attributes));
    EXPECT_EQ(ErrorCodeOfWriting(out), ERROR_ACCESS_DENIED);
    SetFileAttributesA(out.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadWholeFile(out), "old page");
  }
  EXPECT_EQ(NamesIn(tree.Path("out")),
            (std::set<std::string>{"hidden.html", "read-only.html", "system.html"}));
  EXPECT_EQ(ErrorCodeOfWriting(tree.Folder("out/folder.html")), ERROR_ACCESS_DENIED);
  EXPECT_EQ(ErrorCodeOfWriting(tree.Path("missing/page.html")), ERROR_PATH_NOT_FOUND);
}

// A file with a second hard link is written in place, so that both names
// show the new page; a device is written as it is.
TEST(TextFileWin32, HardLinksAndDevicesAreWrittenInPlace) {
  testing::TempTree tree;
  const std::string out = tree.File("page.html", std::string(1000, 'o'));
  const std::string other = tree.Path("other.html");
  ASSERT_TRUE(CreateHardLinkA(other.c_str(), out.c_str(), nullptr));
  WriteWhole(out, "new page");
  EXPECT_EQ(ReadWholeFile(out), "new page");
  EXPECT_EQ(ReadWholeFile(other), "new page");
  EXPECT_EQ(ErrorCodeOfWriting("NUL"), 0);
}

}  // namespace
}  // namespace treepage
