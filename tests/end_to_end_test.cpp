// The built program on real temporary trees: what a user sees.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <regex>
#include <set>

#include "support/page_text.h"
#include "support/run_program.h"
#include "support/temp_tree.h"

namespace treepage {
namespace {

using testing::Heading;
using testing::Link;
using testing::NamesIn;
using testing::Page;
using testing::ReadWholeFile;
using testing::RunOptions;
using testing::RunResult;
using testing::TempTree;

const std::string kShortcut =
    "[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,11\r\n[InternetShortcut]\r\n"
    "IDList=\r\nURL=https://www.debian.org/\r\nIconIndex=0\r\n";

RunResult Treepage(const std::vector<std::string>& arguments, const RunOptions& options = {}) {
  return testing::RunProgram(TREEPAGE_EXE, arguments, options);
}

void ExpectQuietSuccess(const RunResult& result) {
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.standard_output, "");
  EXPECT_EQ(result.standard_error, "");
}

// The report on standard error, with any code offset, and exit code 1.
void ExpectFailureReport(const RunResult& result, const std::string& class_name,
                         const std::string& message) {
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.standard_output, "");
  const std::regex report("Application Error\nException " + class_name +
                          " in module treepage at [0-9A-F]{8}\\.\n" + message + "\n");
  EXPECT_TRUE(std::regex_match(result.standard_error, report)) << result.standard_error;
}

TEST(Arguments, AnyCountButTwoDoesNothing) {
  TempTree tree;
  tree.File("a.txt");
  const std::string out = tree.Path("out.html");
  const std::vector<std::vector<std::string>> argument_lists = {
      {}, {out}, {tree.root(), out, "extra"}, {"", out}, {tree.root(), "", out}};
  for (const auto& arguments : argument_lists) {
    SCOPED_TRACE(arguments.size());
    ExpectQuietSuccess(Treepage(arguments));
    EXPECT_FALSE(testing::PathExists(out));
  }
}

TEST(Run, WritesTheWholeTreeDepthFirst) {
  TempTree tree;
  tree.File("Favorites/Debian.url", kShortcut);
  tree.File("Favorites/notes.txt", "plain text");
  tree.Folder("Favorites/News/Empty");
  tree.File("Favorites/News/Local/Site.url", "[InternetShortcut]\nURL=http://site.test/\n");
  tree.File("Favorites/zed.pdf");
  const std::string root = tree.Path("Favorites");
  const std::string out = tree.Path("favorites.html");

  ExpectQuietSuccess(Treepage({root, out}));
  EXPECT_EQ(ReadWholeFile(out),
            Page({Link("https://www.debian.org/", "Debian"), Heading("News"), Heading("News/Empty"),
                  Heading("News/Local"), Link("http://site.test/", "Site"),
                  Link(root + "/notes.txt", "notes"), Link(root + "/zed.pdf", "zed")}));
}

TEST(Run, FoldersWithFurtherAttributesAreListedAsFiles) {
  TempTree tree;
  tree.File("root/.git/HEAD");
  tree.File("root/locked/inside.txt");
  tree.Chmod("root/locked", 0555);
  tree.File("root/target/t.txt");
  tree.Symlink("root/link", tree.Path("root/target"));
  tree.Symlink("root/dangling.txt", tree.Path("nowhere"));
  tree.Fifo("root/x.url");
  const std::string root = tree.Path("root");
  const std::string out = tree.Path("out.html");

  ExpectQuietSuccess(Treepage({root, out}));
  EXPECT_EQ(ReadWholeFile(out), Page({Link(root + "/.git", ".git"), Link(root + "/link", "link"),
                                      Link(root + "/locked", "locked"), Heading("target"),
                                      Link(root + "/target/t.txt", "t"), Link("http://", "x")}));
}

TEST(Run, OutputInsideTheRootIsListedOnlyWhenItExistedBefore) {
  TempTree tree;
  tree.File("a.txt");
  const std::string out = tree.Path("index.html");

  ExpectQuietSuccess(Treepage({tree.root(), out}));
  EXPECT_EQ(ReadWholeFile(out), Page({Link(tree.root() + "/a.txt", "a")}));

  ExpectQuietSuccess(Treepage({tree.root(), out}));
  EXPECT_EQ(ReadWholeFile(out),
            Page({Link(tree.root() + "/a.txt", "a"), Link(tree.root() + "/index.html", "index")}));
}

TEST(Run, RootIsUsedAsSpelled) {
  TempTree tree;
  tree.File("work/root/sub/a.txt");
  const std::string out = tree.Path("out.html");
  RunOptions in_work;
  in_work.working_folder = tree.Path("work");

  ExpectQuietSuccess(Treepage({tree.Path("work/root") + "/", out}));
  EXPECT_EQ(ReadWholeFile(out),
            Page({Heading("sub"), Link(tree.Path("work/root") + "//sub/a.txt", "a")}));

  ExpectQuietSuccess(Treepage({"root", "../rel.html"}, in_work));
  EXPECT_EQ(ReadWholeFile(tree.Path("rel.html")),
            Page({Heading("sub"), Link("root/sub/a.txt", "a")}));
}

TEST(Run, MissingRootGivesAPageWithoutRows) {
  TempTree tree;
  RunOptions here;
  here.working_folder = tree.root();
  ExpectQuietSuccess(Treepage({"/?", "out.html"}, here));
  EXPECT_EQ(ReadWholeFile(tree.Path("out.html")), Page({}));
}

TEST(Run, ExistingLongerFileIsCutToThePage) {
  TempTree tree;
  tree.Folder("empty");
  const std::string out = tree.File("out.html", std::string(100000, 'o'));
  ExpectQuietSuccess(Treepage({tree.Path("empty"), out}));
  EXPECT_EQ(ReadWholeFile(out), Page({}));
}

TEST(Failure, OutputInAMissingFolder) {
  TempTree tree;
  const std::string out = tree.Path("missing/out.html");
  ExpectFailureReport(Treepage({tree.root(), out}), "EInOutError", "Invalid filename\\.");
  EXPECT_FALSE(testing::PathExists(out));
}

TEST(Failure, OutputNamingAFolder) {
  TempTree tree;
  ExpectFailureReport(Treepage({tree.root(), tree.Folder("out.html")}), "EInOutError",
                      "File access denied\\.");
}

TEST(Failure, FullDisk) {
  TempTree tree;
  ExpectFailureReport(Treepage({tree.root(), "/dev/full"}), "EInOutError", "I/O error 112\\.");
}

// Memory runs out while the tree is listed: the output file keeps what it held.
TEST(Failure, OutOfMemoryLeavesTheOutputUntouched) {
#ifdef TREEPAGE_SANITIZED
  GTEST_SKIP() << "a sanitized program reserves more address space than the limit allows";
#endif
  TempTree tree;
  const std::string long_name(240, 'n');
  for (int i = 0; i < 20000; ++i) tree.File("big/" + long_name + std::to_string(i));
  const std::string out = tree.File("out.html", "old page");
  RunOptions small;
  small.address_space_limit = 20u << 20;
  ExpectFailureReport(Treepage({tree.Path("big"), out}, small), "EOutOfMemory", "Out of memory\\.");
  EXPECT_EQ(ReadWholeFile(out), "old page");
}

TEST(Failure, ReadOnlyOutputFileUnprivileged) {
  TempTree tree;
  tree.Folder("open");
  tree.Chmod("open", 0777);
  const std::string out = tree.File("open/out.html", "old page");
  tree.Chmod("open/out.html", 0444);
  RunOptions nobody;
  nobody.unprivileged = true;
  ExpectFailureReport(Treepage({tree.root(), out}, nobody), "EInOutError", "File access denied\\.");
  EXPECT_EQ(ReadWholeFile(out), "old page");
}

unsigned PermissionBits(const std::string& path) {
  struct stat status {};
  stat(path.c_str(), &status);
  return status.st_mode & 07777;
}

// A tree whose page is about 70 KiB, and the page treepage writes for it.
class Replacement : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 500; ++i) tree.File("root/" + std::string(100, 'n') + std::to_string(i));
    tree.Folder("out");
    tree.Chmod("out", 0777);
    root = tree.Path("root");
    ExpectQuietSuccess(Treepage({root, tree.Path("expected.html")}));
    page = ReadWholeFile(tree.Path("expected.html"));
    ASSERT_GT(page.size(), 64u * 1024);
  }

  TempTree tree;
  std::string root;
  std::string page;
};

// A write that fails part way (here at a 16 KiB file-size limit; a full disk
// or an I/O error does the same) leaves the old page byte for byte, and no
// other file beside it.
TEST_F(Replacement, FailedWriteLeavesTheOldPage) {
  const std::string out = tree.File("out/page.html", "old page");
  RunOptions limited;
  limited.file_size_limit = 16 * 1024;
  ExpectFailureReport(Treepage({root, out}, limited), "EInOutError", "I/O error 31\\.");
  EXPECT_EQ(ReadWholeFile(out), "old page");
  EXPECT_EQ(NamesIn(tree.Path("out")), std::set<std::string>{"page.html"});
}

TEST_F(Replacement, FailedWriteOfANewPageLeavesNoFile) {
  RunOptions limited;
  limited.file_size_limit = 16 * 1024;
  ExpectFailureReport(Treepage({root, tree.Path("out/page.html")}, limited), "EInOutError",
                      "I/O error 31\\.");
  EXPECT_EQ(NamesIn(tree.Path("out")), std::set<std::string>{});
}

TEST_F(Replacement, PermissionBitsAreKept) {
  const std::string out = tree.File("out/page.html", "old page");
  tree.Chmod("out/page.html", 0640);
  ExpectQuietSuccess(Treepage({root, out}));
  EXPECT_EQ(ReadWholeFile(out), page);
  EXPECT_EQ(PermissionBits(out), 0640u);
  EXPECT_EQ(NamesIn(tree.Path("out")), std::set<std::string>{"page.html"});
}

// The link stays a link; the file it points to gets the page, and so does a
// file that a dangling link names.
TEST_F(Replacement, SymbolicLinkStaysALink) {
  const std::string real = tree.File("out/real.html", "old page");
  const std::string link = tree.Symlink("out/link.html", "real.html");
  tree.Symlink("out/chain.html", link);
  ExpectQuietSuccess(Treepage({root, tree.Path("out/chain.html")}));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_TRUE(std::filesystem::is_symlink(tree.Path("out/chain.html")));
  EXPECT_EQ(ReadWholeFile(real), page);

  tree.Symlink("out/dangling.html", "new.html");
  ExpectQuietSuccess(Treepage({root, tree.Path("out/dangling.html")}));
  EXPECT_TRUE(std::filesystem::is_symlink(tree.Path("out/dangling.html")));
  EXPECT_EQ(ReadWholeFile(tree.Path("out/new.html")), page);
  EXPECT_EQ(
      NamesIn(tree.Path("out")),
      (std::set<std::string>{"chain.html", "dangling.html", "link.html", "new.html", "real.html"}));
}

// A second hard link would be cut off from the page by a rename: the file is
// written in place, and both names show the new page.
TEST_F(Replacement, HardLinksBothShowTheNewPage) {
  const std::string out = tree.File("out/page.html", std::string(100000, 'o'));
  std::filesystem::create_hard_link(out, tree.Path("out/other.html"));
  ExpectQuietSuccess(Treepage({root, out}));
  EXPECT_EQ(ReadWholeFile(out), page);
  EXPECT_EQ(ReadWholeFile(tree.Path("out/other.html")), page);
}

// A folder that takes no new file: its writable page is written in place.
TEST_F(Replacement, FolderWithoutWritePermissionUnprivileged) {
  const std::string out = tree.File("out/page.html", std::string(100000, 'o'));
  tree.Chmod("out/page.html", 0666);
  tree.Chmod("out", 0555);
  RunOptions nobody;
  nobody.unprivileged = true;
  ExpectQuietSuccess(Treepage({root, out}, nobody));
  EXPECT_EQ(ReadWholeFile(out), page);
  EXPECT_EQ(NamesIn(tree.Path("out")), std::set<std::string>{"page.html"});
}

// A read-only page is refused before anything is created.
TEST_F(Replacement, ReadOnlyPageUnprivilegedIsRefusedAndUntouched) {
  const std::string out = tree.File("out/page.html", "old page");
  tree.Chmod("out/page.html", 0444);
  RunOptions nobody;
  nobody.unprivileged = true;
  ExpectFailureReport(Treepage({root, out}, nobody), "EInOutError", "File access denied\\.");
  EXPECT_EQ(ReadWholeFile(out), "old page");
  EXPECT_EQ(NamesIn(tree.Path("out")), std::set<std::string>{"page.html"});
}

// Standard output is written as it stands: a pipe streams the page, and a
// shell's ">>" appends it, never cutting what the file held.
TEST_F(Replacement, StandardOutputAsTheOutput) {
  RunOptions piped;
  piped.standard_output_to_pipe = true;
  const RunResult run = Treepage({root, "/dev/stdout"}, piped);
  EXPECT_EQ(run.exit_code, 0) << run.standard_error;
  EXPECT_EQ(run.standard_output, page);

  const std::string log = tree.File("out/log", "earlier line\n");
  RunOptions appended;
  appended.standard_output_appended_to = log;
  ExpectQuietSuccess(Treepage({root, "/dev/stdout"}, appended));
  EXPECT_EQ(ReadWholeFile(log), "earlier line\n" + page);
  EXPECT_EQ(NamesIn(tree.Path("out")), std::set<std::string>{"log"});
}

TEST(Run, UnreadableSubfolderHasNoEntriesUnprivileged) {
  TempTree tree;
  tree.File("root/closed/secret.txt");
  tree.Chmod("root/closed", 0700);
  tree.File("root/open.txt");
  tree.Folder("out");
  tree.Chmod("out", 0777);
  const std::string root = tree.Path("root");
  const std::string out = tree.Path("out/page.html");
  RunOptions nobody;
  nobody.unprivileged = true;
  ExpectQuietSuccess(Treepage({root, out}, nobody));
  EXPECT_EQ(ReadWholeFile(out), Page({Heading("closed"), Link(root + "/open.txt", "open")}));
}

}  // namespace
}  // namespace treepage
