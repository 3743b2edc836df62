// Pages that treepage wrote, opened in headless Chromium: the DOM the browser
// builds must hold exactly the names and addresses, and nothing from them may
// run as script.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <regex>

#include "page/page_builder.h"
#include "support/run_program.h"
#include "support/temp_tree.h"

namespace treepage {
namespace {

using testing::RunOptions;
using testing::RunResult;
using testing::TempTree;

// Undoes the escaping of the browser's own serialization of the DOM.
std::string Unescape(std::string text) {
  const std::pair<std::string_view, std::string_view> references[] = {
      {"&quot;", "\""}, {"&lt;", "<"}, {"&gt;", ">"}, {"&nbsp;", "\xC2\xA0"}, {"&amp;", "&"}};
  for (const auto& [reference, character] : references) {
    for (std::size_t pos = 0; (pos = text.find(reference, pos)) != std::string::npos;) {
      text.replace(pos, reference.size(), character);
      pos += character.size();
    }
  }
  return text;
}

std::size_t Count(std::string_view text, std::string_view piece) {
  std::size_t count = 0;
  for (std::size_t pos = 0; (pos = text.find(piece, pos)) != std::string_view::npos; ++pos) {
    ++count;
  }
  return count;
}

struct Row {
  bool heading;
  std::string target;  // empty for a heading
  std::string text;

  bool operator==(const Row&) const = default;
};

void PrintTo(const Row& row, std::ostream* out) {
  *out << (row.heading ? "heading " : "link ") << row.target << " | " << row.text;
}

// The bytes a file: URL names, its percent-encoding undone.
std::string FilePathOf(const std::string& url) {
  const std::string_view scheme = "file://";
  if (!url.starts_with(scheme)) return "not a file URL: " + url;
  std::string path;
  for (std::size_t i = scheme.size(); i < url.size(); ++i) {
    if (url[i] == '%' && i + 2 < url.size() &&
        std::isxdigit(static_cast<unsigned char>(url[i + 1])) &&
        std::isxdigit(static_cast<unsigned char>(url[i + 2]))) {
      path += static_cast<char>(std::stoi(url.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      path += url[i];
    }
  }
  return path;
}

class Browser : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::RequireTool(testing::RunProgram("chromium", {"--version"}).exit_code == 0,
                         "no chromium on this machine (apt-get install chromium)");
  }

  // The DOM as Chromium built it from the page.
  std::string DumpDom(const std::string& page) {
    const RunResult run = testing::RunProgram(
        "chromium",
        {"--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--user-data-dir=" + tree.Folder("profile"), "--dump-dom", "file://" + page});
    EXPECT_EQ(run.exit_code, 0) << run.standard_error;
    return run.standard_output;
  }

  std::vector<Row> Rows(const std::string& dom) {
    std::vector<Row> rows;
    const std::regex row(
        "<tr>(?:<td align=\"center\"><b>(.*?)</b></td>|<td><a href=\"(.*?)\">(.*?)</a></td>)</tr>");
    for (auto it = std::sregex_iterator(dom.begin(), dom.end(), row); it != std::sregex_iterator();
         ++it) {
      const std::smatch& match = *it;
      if (match[1].matched) {
        rows.push_back({true, "", Unescape(match[1])});
      } else {
        rows.push_back({false, Unescape(match[2]), Unescape(match[3])});
      }
    }
    return rows;
  }

  // Every link of the page as the browser resolved it against the page's
  // own address: a copy of the page beside it, with a script at its end
  // that writes each link's resolved address in place of its text (or says
  // that the browser took part of it for a query or a fragment).
  std::vector<std::string> ResolvedLinks(const std::string& page) {
    const std::string probe = page + ".probe.html";
    std::filesystem::copy_file(page, probe);
    std::ofstream(probe, std::ios::app)
        << "<script>for (const a of document.querySelectorAll('a')) a.textContent ="
           " a.search || a.hash ? 'query or fragment: ' + a.href"
           " : a.protocol + '//' + a.host + a.pathname;</script>";
    std::vector<std::string> links;
    for (const Row& row : Rows(DumpDom(probe))) {
      if (!row.heading) links.push_back(row.text);
    }
    return links;
  }

  TempTree tree;
};

TEST_F(Browser, RowsHoldTheNamesAndAddressesByteForByte) {
  const std::string hostile_address =
      "https://x.test/?q=\"a\"&b=<c>\"><script>document.title='owned'</script>";
  tree.File("root/Fish & Chips/menu <2024> \"new\".txt");
  tree.File("root/Fish & Chips/Deeper/caf\xC3\xA9 \xE2\x98\x95.url",
            "[InternetShortcut]\r\nURL=https://caf\xC3\xA9.test/men\xC3\xBC\r\n");
  tree.File("root/<img src=x onerror=\"document.title='owned'\">.txt");
  tree.File("root/hostile.url", "[InternetShortcut]\r\nURL=" + hostile_address + "\r\n");
  tree.File("root/na\xC3\xAFve.pdf");
  RunOptions here;
  here.working_folder = tree.root();
  ASSERT_EQ(testing::RunProgram(TREEPAGE_EXE, {"root", "page.html"}, here).exit_code, 0);

  const std::string dom = DumpDom(tree.Path("page.html"));
  EXPECT_EQ(Rows(dom),
            (std::vector<Row>{
                {false, "root/<img src=x onerror=\"document.title='owned'\">.txt",
                 "<img src=x onerror=\"document.title='owned'\">"},
                {true, "", "Fish & Chips"},
                {true, "", "Fish & Chips/Deeper"},
                {false, "https://caf\xC3\xA9.test/men\xC3\xBC", "caf\xC3\xA9 \xE2\x98\x95"},
                {false, "root/Fish & Chips/menu <2024> \"new\".txt", "menu <2024> \"new\""},
                {false, hostile_address, "hostile"},
                {false, "root/na\xC3\xAFve.pdf", "na\xC3\xAFve"},
            }));
  // Nothing from a name or an address became an element or ran.
  EXPECT_NE(dom.find("<title>Folder List</title>"), std::string::npos);
  EXPECT_EQ(dom.find("<img"), std::string::npos);
  EXPECT_EQ(dom.find("<script"), std::string::npos);
}

TEST_F(Browser, EveryEntryIsOneRowOfTheTable) {
  tree.File("root/a.txt");
  tree.Folder("root/empty");
  tree.File("root/z/b.url", "[InternetShortcut]\r\nURL=http://b.test/\r\n");
  RunOptions here;
  here.working_folder = tree.root();
  ASSERT_EQ(testing::RunProgram(TREEPAGE_EXE, {"root", "page.html"}, here).exit_code, 0);
  const std::string dom = DumpDom(tree.Path("page.html"));
  EXPECT_EQ(Rows(dom), (std::vector<Row>{{false, "root/a.txt", "a"},
                                         {true, "", "empty"},
                                         {true, "", "z"},
                                         {false, "http://b.test/", "b"}}));
  // One table, and no row of the table outside those.
  EXPECT_EQ(Count(dom, "<table"), 1u);
  EXPECT_EQ(Count(dom, "<tr>"), 4u);
}

// A tree of names that hold every byte a Linux name can hold, and names a
// browser would read as URL syntax: every file link must open its own file.
class BrowserLinks : public Browser {
 protected:
  // Makes the files under `root_name` and returns their absolute paths.
  std::vector<std::string> MakeTree(const std::string& root_name) {
    std::vector<std::string> names = {" lead.txt",
                                      "trail.txt ",
                                      " both ",
                                      "a%20b.txt",
                                      "a%zz.txt",
                                      "C# notes",
                                      "what?.txt",
                                      "back\\slash.txt",
                                      "bad\xE9\xFF utf8.txt",
                                      "caf\xC3\xA9 \xE2\x82\xAC.txt",
                                      "odd #1 100%/inside.txt",
                                      "sp /x.txt",
                                      "price\xC2\x80.txt"};
    for (int byte = 1; byte < 256; ++byte) {
      if (byte != '/') names.push_back("x" + std::string(1, static_cast<char>(byte)) + "y.txt");
    }
    std::vector<std::string> paths;
    for (const std::string& name : names) {
      paths.push_back(std::filesystem::absolute(tree.File(root_name + "/" + name)).string());
    }
    std::sort(paths.begin(), paths.end());
    return paths;
  }

  std::vector<std::string> ResolvedPaths(const std::string& page) {
    std::vector<std::string> paths;
    for (const std::string& link : ResolvedLinks(page)) paths.push_back(FilePathOf(link));
    std::sort(paths.begin(), paths.end());
    return paths;
  }
};

TEST_F(BrowserLinks, EveryFileLinkOpensItsFileUnderARelativeRoot) {
  const std::vector<std::string> files = MakeTree("root");
  RunOptions here;
  here.working_folder = tree.root();
  ASSERT_EQ(testing::RunProgram(TREEPAGE_EXE, {"root", "page.html"}, here).exit_code, 0);
  EXPECT_EQ(ResolvedPaths(tree.Path("page.html")), files);
}

TEST_F(BrowserLinks, EveryFileLinkOpensItsFileUnderAnAbsoluteRootWithSpaceAndHash) {
  const std::vector<std::string> files = MakeTree("odd root #1");
  ASSERT_EQ(testing::RunProgram(TREEPAGE_EXE, {tree.Path("odd root #1"), tree.Path("page.html")})
                .exit_code,
            0);
  EXPECT_EQ(ResolvedPaths(tree.Path("page.html")), files);
}

// A relative root whose first part holds ":" is no URL scheme to the browser.
TEST_F(BrowserLinks, EveryFileLinkOpensItsFileUnderARootThatLooksLikeAScheme) {
  const std::vector<std::string> files = MakeTree("Notes:work");
  RunOptions here;
  here.working_folder = tree.root();
  ASSERT_EQ(testing::RunProgram(TREEPAGE_EXE, {"Notes:work", "page.html"}, here).exit_code, 0);
  EXPECT_EQ(ResolvedPaths(tree.Path("page.html")), files);
}

// The page for the root "/" links "/bin/sh", not the network host "bin". It
// is built from a few entries, not by walking this machine.
TEST_F(BrowserLinks, PageForTheRootFolderLinksItsFiles) {
  const auto no_shortcuts = [](const std::string&) { return std::string("http://"); };
  const std::string page = tree.File(
      "page.html", BuildPage("/", {"bin/", "bin/sh", "etc/host name", "a#b"}, no_shortcuts));
  std::vector<std::string> expected = {"/a#b", "/bin/sh", "/etc/host name"};
  EXPECT_EQ(ResolvedPaths(page), expected);
}

}  // namespace
}  // namespace treepage
