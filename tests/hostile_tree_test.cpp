// Trees that other programs and people filled: huge, deep, looping, with
// special files and names of any bytes. The run ends, the page is whole.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "support/page_text.h"
#include "support/run_program.h"
#include "support/temp_tree.h"

namespace treepage {
namespace {

using testing::Heading;
using testing::Link;
using testing::Page;
using testing::ReadWholeFile;
using testing::RunResult;
using testing::TempTree;

RunResult Treepage(const std::string& root, const std::string& out) {
  return testing::RunProgram(TREEPAGE_EXE, {root, out});
}

std::size_t LineCount(const std::string& page) {
  return static_cast<std::size_t>(std::count(page.begin(), page.end(), '\n'));
}

TEST(HostileTree, HundredThousandNamesInOneFolder) {
  TempTree tree;
  const std::string folder = tree.Folder("many");
  for (int i = 0; i < 100000; ++i) {
    const std::string path = folder + "/f" + std::to_string(i);
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    ASSERT_GE(fd, 0) << path;
    close(fd);
  }
  const std::string out = tree.Path("out.html");
  const RunResult run = Treepage(folder, out);
  ASSERT_EQ(run.exit_code, 0) << run.standard_error;
  const std::string page = ReadWholeFile(out);
  EXPECT_EQ(LineCount(page), 100007u);
  // "f0" < "f1" < "f10" < "f100" < ... by bytes.
  EXPECT_NE(page.find(Link(folder + "/f0", "f0") + "</tr>\r\n            <tr>" +
                      Link(folder + "/f1", "f1")),
            std::string::npos);
  EXPECT_TRUE(page.ends_with(Link(folder + "/f99999", "f99999") + "</tr>\r\n" +
                             std::string(testing::kPageFooter)));
}

// Folders nested past the longest path the system accepts: the listing ends
// silently where a folder can no longer be opened, and the page is written.
TEST(HostileTree, ChainDeeperThanThePathLimit) {
  TempTree tree;
  const std::string name(200, 'd');
  const int levels = 40;  // 40 * 201 bytes, far beyond PATH_MAX
  int fd = open(tree.root().c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_GE(fd, 0);
  for (int level = 0; level < levels; ++level) {
    ASSERT_EQ(mkdirat(fd, name.c_str(), 0755), 0) << level;
    const int next = openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY);
    close(fd);
    ASSERT_GE(next, 0) << level;
    fd = next;
  }
  close(fd);

  const std::string out = tree.Path("out.html");
  const RunResult run = Treepage(tree.root() + "/" + name, out);
  EXPECT_EQ(run.exit_code, 0) << run.standard_error;
  const std::string page = ReadWholeFile(out);
  const std::size_t rows = LineCount(page) - 7;
  EXPECT_GT(rows, 10u);
  EXPECT_LT(rows, static_cast<std::size_t>(levels));
  EXPECT_TRUE(page.ends_with(testing::kPageFooter));
  // Too deep for the fixture's own clean-up.
  EXPECT_EQ(testing::RunProgram("rm", {"-rf", tree.root() + "/" + name}).exit_code, 0);
}

TEST(HostileTree, LinkToAnAncestorIsListedNotFollowed) {
  TempTree tree;
  tree.File("root/sub/a.txt");
  tree.Symlink("root/sub/up", tree.Path("root"));
  const std::string root = tree.Path("root");
  const RunResult run = Treepage(root, tree.Path("out.html"));
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(ReadWholeFile(tree.Path("out.html")),
            Page({Heading("sub"), Link(root + "/sub/a.txt", "a"), Link(root + "/sub/up", "up")}));
}

// The reader holds a few kilobytes of a shortcut whatever its size; here the
// address alone is one line of 200 MB.
// A shortcut of the largest size still read, one long line, is read in
// little memory; a larger one, even a sparse file of 20 GB, is not read at
// all.
TEST(HostileTree, HugeShortcutsAreReadInLittleMemoryOrNotAtAll) {
  TempTree tree;
  tree.Folder("root");
  const std::string head = "[InternetShortcut]\r\nURL=http://huge.test/";
  tree.File("root/largest.url", head + std::string((1 << 20) - head.size(), 'h'));
  tree.File("root/over.url", head + std::string((1 << 20) - head.size() + 1, 'h'));
  {
    std::ofstream sparse(tree.Path("root/sparse.url"), std::ios::binary);
    sparse << head << "\r\n";
  }
  std::filesystem::resize_file(tree.Path("root/sparse.url"), std::uintmax_t{20} << 30);
  const RunResult run = Treepage(tree.Path("root"), tree.Path("out.html"));
  ASSERT_EQ(run.exit_code, 0) << run.standard_error;
  const std::string address = "http://huge.test/" + std::string(2047 - 17, 'h');
  EXPECT_TRUE(ReadWholeFile(tree.Path("out.html")) ==
              Page({Link(address, "largest"), Link("http://", "over"), Link("http://", "sparse")}));
  EXPECT_LT(run.peak_resident_kib, 64 * 1024);
}

// Opening any of these for a plain read could wait for ever or read without
// end; none is a shortcut that can be read.
TEST(HostileTree, SpecialFilesNamedLikeShortcuts) {
  TempTree tree;
  tree.Folder("root");
  tree.Fifo("root/fifo.url");
  const std::string socket_path = tree.Path("root/socket.url");
  const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(socket_path.size(), sizeof address.sun_path);
  socket_path.copy(address.sun_path, socket_path.size());
  ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  tree.Symlink("root/zero.url", "/dev/zero");
  const bool root_user = geteuid() == 0;
  if (root_user) {
    ASSERT_EQ(mknod(tree.Path("root/device.url").c_str(), S_IFCHR | 0644, makedev(1, 5)), 0);
  }

  const RunResult run = Treepage(tree.Path("root"), tree.Path("out.html"));
  close(sock);
  ASSERT_EQ(run.exit_code, 0) << run.standard_error;
  const std::string page = ReadWholeFile(tree.Path("out.html"));
  EXPECT_EQ(page, root_user ? Page({Link("http://", "device"), Link("http://", "fifo"),
                                    Link("http://", "socket"), Link("http://", "zero")})
                            : Page({Link("http://", "fifo"), Link("http://", "socket"),
                                    Link("http://", "zero")}));
}

TEST(HostileTree, NamesOfAnyBytesStayInsideTheirMarkup) {
  TempTree tree;
  tree.File("root/caf\xC3\xA9 \xE2\x82\xAC/\x80\xFF\xC3(.txt");
  tree.File("root/a\\b&c<d>e\"f'.txt");
  tree.File("root/<script>alert(1)<\\script>.url",
            "[InternetShortcut]\r\nURL=javascript:\"><script>alert(2)</script>\r\n");
  const std::string root = tree.Path("root");
  ASSERT_EQ(Treepage(root, tree.Path("out.html")).exit_code, 0);
  EXPECT_EQ(ReadWholeFile(tree.Path("out.html")),
            Page({Link("javascript:&quot;&gt;&lt;script&gt;alert(2)&lt;/script&gt;",
                       "&lt;script&gt;alert(1)&lt;\\script&gt;"),
                  Link(root + "/a%5Cb&amp;c&lt;d&gt;e&quot;f'.txt", "a\\b&amp;c&lt;d&gt;e&quot;f'"),
                  Heading("caf&#233; &#8364;"),
                  Link(root + "/caf&#233; &#8364;/%80%FF%C3(.txt", "&#65533;&#65533;&#65533;(")}));
}

}  // namespace
}  // namespace treepage
