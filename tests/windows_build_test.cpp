// The Windows program under Wine against the Linux build, on the same trees:
// the pages must agree once the separators are exchanged.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <set>

#include "text/character_reference.h"

#include "support/page_text.h"
#include "support/run_program.h"
#include "support/temp_tree.h"

namespace treepage {
namespace {

using testing::ReadWholeFile;
using testing::RunOptions;
using testing::RunResult;
using testing::TempTree;

// Where no 32-bit program runs, scripts/test-all points these at the 64-bit
// Windows build and 64-bit Wine.
std::string FromEnvironment(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : fallback;
}

const std::string kWine = FromEnvironment("TREEPAGE_WINE", "wine");
const std::string kWindowsBuild =
    FromEnvironment("TREEPAGE_WINDOWS_BUILD_DIR", TREEPAGE_WINDOWS_BUILD_DIR);
const std::string kWindowsExe = kWindowsBuild + "/treepage.exe";
const std::string kLauncherExe = kWindowsBuild + "/tests/treepage_launch.exe";

// A Unix path as Wine's drive Z: shows it.
std::string WinePath(const std::string& unix_path) {
  std::string path = "Z:" + unix_path;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

std::string WithSlashes(std::string page) {
  for (char& c : page) {
    if (c == '\\') c = '/';
  }
  return page;
}

class WindowsBuild : public ::testing::Test {
 protected:
  void SetUp() override {
    const bool have_wine = testing::RunProgram(kWine, {"--version"}).exit_code == 0;
    testing::RequireTool(have_wine, "no wine on this machine");
    testing::RequireTool(
        testing::PathExists(kWindowsExe) && testing::PathExists(kLauncherExe),
        "no Windows build in " + kWindowsBuild + " (cmake --workflow --preset windows)");
  }

  RunResult RunWindows(const std::vector<std::string>& arguments,
                       std::vector<std::string> environment = {}) {
    std::vector<std::string> wine_arguments = {kWindowsExe};
    wine_arguments.insert(wine_arguments.end(), arguments.begin(), arguments.end());
    RunOptions options;
    options.working_folder = tree.root();
    options.environment = std::move(environment);
    return testing::RunProgram(kWine, wine_arguments, options);
  }

  // Lists tree/root with both builds, from the tree's own folder.
  void RunBoth(const std::string& linux_output, const std::string& windows_output) {
    RunOptions here;
    here.working_folder = tree.root();
    const RunResult linux_run = testing::RunProgram(TREEPAGE_EXE, {"root", linux_output}, here);
    const RunResult windows_run = RunWindows({"root", windows_output});
    EXPECT_EQ(linux_run.exit_code, 0) << linux_run.standard_error;
    EXPECT_EQ(windows_run.exit_code, 0) << windows_run.standard_error;
  }

  void ExpectSamePage() {
    RunBoth("linux.html", "windows.html");
    EXPECT_EQ(WithSlashes(ReadWholeFile(tree.Path("windows.html"))),
              ReadWholeFile(tree.Path("linux.html")));
  }

  TempTree tree;
};

TEST_F(WindowsBuild, SamePageForANestedTree) {
  tree.File("root/Debian.url",
            "[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,11\r\n[InternetShortcut]\r\n"
            "IDList=\r\nURL=https://www.debian.org/\r\nIconIndex=13\r\n");
  tree.File("root/Docs & Notes/manual.pdf");
  tree.File("root/Docs & Notes/Read me.txt");
  tree.File("root/News/Tech/Old/LWN.net.url", "[InternetShortcut]\nURL=https://lwn.net/\n");
  tree.Folder("root/Empty");
  for (const char* name : {"apple", "Banana", "cherry", "file.", ".profile", "x.URL", "a.b.url",
                           "_under", "~tilde", "1.txt"}) {
    tree.File(std::string("root/") + name, "[InternetShortcut]\r\nURL=http://no.test/\r\n");
  }
  ExpectSamePage();
}

TEST_F(WindowsBuild, SamePageForAttributeCases) {
  tree.File("root/locked/inside.txt");
  tree.Chmod("root/locked", 0555);
  tree.File("root/.git/HEAD");
  tree.File("root/target/t.txt");
  tree.Symlink("root/link", tree.Path("root/target"));
  tree.Symlink("root/file-link.txt", tree.Path("root/target/t.txt"));
  tree.Symlink("root/dangling.txt", tree.Path("nowhere"));
  tree.File("root/read-only.txt");
  tree.Chmod("root/read-only.txt", 0444);
  ExpectSamePage();
}

TEST_F(WindowsBuild, SamePageWhenTheOutputExistsInsideTheRoot) {
  tree.File("root/a.txt");
  tree.File("root/linux.html", "old");
  tree.File("root/windows.html", "old");
  RunBoth("root/linux.html", "root\\windows.html");
  const std::string windows_page = ReadWholeFile(tree.Path("root/windows.html"));
  EXPECT_NE(windows_page.find("root\\windows.html"), std::string::npos);
  EXPECT_EQ(WithSlashes(windows_page), ReadWholeFile(tree.Path("root/linux.html")));
}

// Every shortcut of the reader's rules, one file each.
TEST_F(WindowsBuild, SameLinkTargetsForTheShortcutRules) {
  std::string utf16 = "\xFF\xFE";
  for (char c : std::string_view("[InternetShortcut]\r\nURL=http://e.test/\r\n")) {
    utf16 += c;
    utf16 += '\0';
  }
  const std::string texts[] = {
      "[InternetShortcut]\r\nurl = \"http://a.test/x y\" \r\n",
      "[internetshortcut]\r\nURL=\r\n",
      "[InternetShortcut]\r\nURL\r\n",
      "[InternetShortcut]\r\nURL\r\nURL=http://b.test/\r\n",
      "[InternetShortcut]\r\nURL=http://1.test/\r\nURL=http://2.test/\r\n",
      "[InternetShortcut]\r\nIDList=\r\n[X]\r\n[InternetShortcut]\r\nURL=http://b.test/\r\n",
      "[InternetShortcut]\r\n;URL=http://c.test/\r\n",
      "[InternetShortcut]\r\n#URL=http://c.test/\r\n",
      "[InternetShortcut]\r\nURL=\"http://d.test/\r\n",
      "[InternetShortcut]\r\nURL=\"\r\n",
      utf16,
      std::string("[InternetShortcut]\r\nURL=http://f.test/\0tail\r\n", 45),
      "[InternetShortcut]\rURL=http://g.test/\r",
      "URL=http://h.test/\r\n[InternetShortcut]\r\n",
      "[InternetShortcut]\r\nURL=http://i.test/" + std::string(3000, 'i') + "\r\n",
      "",
      "[InternetShortcut]\nURL='http://s.test/'\n",
      "\xEF\xBB\xBF[InternetShortcut]\r\nURL=http://k.test/\r\n",
      " \t[ InternetShortcut ] \r\n\t URL\t= http://m.test/ \r\n",
      "[InternetShortcut]URL=http://o.test/\r\n",
      "[InternetShortcut] tail\r\nURL=http://p.test/\r\n",
      // Form feed and Ctrl-Z are blanks to both readers.
      "\f[InternetShortcut]\r\nURL=http://q.test/\r\n",
      "[InternetShortcut]\r\n\x1AURL=http://r.test/\r\n",
      "[InternetShortcut]\r\nURL=\fhttp://u.test/\x1A\r\n",
      // The largest shortcut read, and one byte more, which neither reads.
      "[InternetShortcut]\r\nURL=http://w.test/" + std::string((1 << 20) - 38, 'w'),
      "[InternetShortcut]\r\nURL=http://w.test/" + std::string((1 << 20) - 37, 'w'),
  };
  int number = 0;
  for (const std::string& text : texts) {
    tree.File("root/case" + std::to_string(10 + number++) + ".url", text);
  }
  tree.Folder("root/folder.url");
  ExpectSamePage();
}

// A shortcut saved in the ANSI code page links alike: Windows passes the
// byte as it is, Linux reads it as windows-1252 and writes its reference.
TEST_F(WindowsBuild, SameAddressForAShortcutSavedInAnsi) {
  tree.File("root/ansi.url", "[InternetShortcut]\r\nURL=https://de.wikipedia.org/wiki/K\xF6ln\r\n");
  RunBoth("linux.html", "windows.html");
  EXPECT_NE(ReadWholeFile(tree.Path("linux.html")).find("wiki/K&#246;ln\""), std::string::npos);
  EXPECT_NE(ReadWholeFile(tree.Path("windows.html")).find("wiki/K\xF6ln\""), std::string::npos);
}

// The Windows page with each byte above 0x7F, a windows-1252 character, as
// the reference the Linux page writes for it, and "/" for "\\".
std::string AsLinuxWouldWriteIt(std::string_view windows_page) {
  std::string page;
  for (const char c : windows_page) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80) {
      page += "&#" + std::to_string(FromWindows1252(byte)) + ";";
    } else {
      page += c == '\\' ? '/' : c;
    }
  }
  return page;
}

// Names in any script keep their rows, their links and their folders'
// contents: what code page 1252 holds as its bytes, the rest as references.
TEST_F(WindowsBuild, NamesInAnyScript) {
  const std::string shortcut = "[InternetShortcut]\r\nURL=http://tokyo.test/\r\n";
  tree.File("root/\xE6\x9D\xB1\xE4\xBA\xAC.url", shortcut);  // 東京
  tree.File("root/\xF0\x9F\x8E\xB5 Music.url",
            "[InternetShortcut]\r\nURL=http://music.test/\r\n");  // 🎵
  const std::string greek = "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC";
  tree.File("root/" + greek + "/a.url", "[InternetShortcut]\r\nURL=http://a.test/\r\n");
  tree.File("root/" + greek + "/\xCE\xB2.url", "[InternetShortcut]\r\nURL=http://b.test/\r\n");
  tree.File("root/caf\xC3\xA9.txt");
  tree.File("root/na\xC3\xAFve \xE2\x82\xAC.txt");
  tree.File("root/arrow \xE2\x86\x92.txt");
  RunBoth("linux.html", "windows.html");
  const std::string windows_page = ReadWholeFile(tree.Path("windows.html"));
  const std::string greek_refs = "&#917;&#955;&#955;&#951;&#957;&#953;&#954;&#940;";
  using testing::Heading;
  using testing::Link;
  EXPECT_EQ(windows_page,
            testing::Page({Link("root\\arrow &#8594;.txt", "arrow &#8594;"),
                           Link("root\\caf\xE9.txt", "caf\xE9"),
                           Link("root\\na\xEFve \x80.txt", "na\xEFve \x80"), Heading(greek_refs),
                           Link("http://a.test/", "a"), Link("http://b.test/", "&#946;"),
                           Link("http://tokyo.test/", "&#26481;&#20140;"),
                           Link("http://music.test/", "&#127925; Music")}));
  EXPECT_EQ(AsLinuxWouldWriteIt(windows_page), ReadWholeFile(tree.Path("linux.html")));
}

// A root folder and an output file named outside code page 1252, passed
// through CreateProcessW.
TEST_F(WindowsBuild, RootAndOutputNamedOutsideTheCodePage) {
  const std::string greek = "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC";
  const std::string output = "\xE5\x87\xBA\xE5\x8A\x9B.html";  // 出力
  tree.File(greek + "/a.txt");
  tree.File(greek + "/s.url", "[InternetShortcut]\r\nURL=http://s.test/\r\n");
  const std::string command =
      tree.File("command.txt", "\"" + WinePath(kWindowsExe) + "\" " + greek + " " + output);
  RunOptions here;
  here.working_folder = tree.root();
  EXPECT_EQ(testing::RunProgram(kWine, {kLauncherExe, "command.txt"}, here).exit_code, 0);
  const std::string greek_refs = "&#917;&#955;&#955;&#951;&#957;&#953;&#954;&#940;";
  EXPECT_EQ(ReadWholeFile(tree.Path(output)),
            testing::Page({testing::Link(greek_refs + "\\a.txt", "a"),
                           testing::Link("http://s.test/", "s")}));
}

// Under a double-byte code page (932, from the locale ja_JP.UTF-8), Japanese
// names are written in its bytes and an emoji as a reference.
TEST_F(WindowsBuild, DoubleByteCodePage) {
  const RunResult locales = testing::RunProgram("locale", {"-a"});
  if (locales.standard_output.find("ja_JP.utf8") == std::string::npos) {
    GTEST_SKIP() << "no ja_JP.UTF-8 locale here (apt-get install locales; "
                    "localedef -i ja_JP -f UTF-8 ja_JP.UTF-8)";
  }
  tree.File("root/\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E.txt");  // 日本語
  tree.File("root/\xF0\x9F\x8E\xB5.txt");
  const char* prefix = std::getenv("WINEPREFIX");
  const RunResult run =
      RunWindows({"root", "page.html"},
                 {"LC_ALL=ja_JP.UTF-8",
                  "WINEPREFIX=" + std::string(prefix != nullptr ? prefix : "") + "-932"});
  ASSERT_EQ(run.exit_code, 0) << run.standard_error;
  EXPECT_EQ(ReadWholeFile(tree.Path("page.html")),
            testing::Page(
                {testing::Link("root\\\x93\xFA\x96\x7B\x8C\xEA.txt", "\x93\xFA\x96\x7B\x8C\xEA"),
                 testing::Link("root\\&#127925;.txt", "&#127925;")}));
}

// Where the Linux reader knowingly parts from the Windows profile API:
// - a "[" line without "]" opens a section on Linux; Windows takes it for a
//   key line and opens none;
// - a line "=value" is an entry with an empty name on Linux; in the Windows
//   key list an empty name ends the list, so later keys go unseen;
// - a header with two "]" is named up to the first on Linux, up to the last
//   on Windows.
TEST_F(WindowsBuild, KnownDifferencesOfTheShortcutReader) {
  tree.File("root/a.url", "[InternetShortcut\r\nURL=http://n.test/\r\n");
  tree.File("root/b.url", "[InternetShortcut]\r\n=value\r\nURL=http://v.test/\r\n");
  tree.File("root/c.url", "[InternetShortcut]]\r\nURL=http://t.test/\r\n");
  RunBoth("linux.html", "windows.html");
  const std::string linux_page = ReadWholeFile(tree.Path("linux.html"));
  const std::string windows_page = ReadWholeFile(tree.Path("windows.html"));
  for (const char* address : {"http://n.test/", "http://v.test/", "http://t.test/"}) {
    EXPECT_NE(linux_page.find(std::string("href=\"") + address), std::string::npos) << address;
  }
  EXPECT_EQ(windows_page.find("test/"), std::string::npos);
}

// With no display, Wine's message box returns at once; its relay trace shows
// the call with its arguments.
TEST_F(WindowsBuild, FailureReportIsAMessageBox) {
  tree.File("root/a.txt");
  tree.Folder("folder.html");
  const struct {
    const char* output;
    const char* message;
  } cases[] = {{"missing\\out.html", "Invalid filename\\."},
               {"folder.html", "File access denied\\."}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.output);
    const RunResult run = RunWindows({"root", c.output}, {"WINEDEBUG=+relay"});
    EXPECT_EQ(run.exit_code, 1);
    const std::regex call(
        "Call user32\\.MessageBoxW\\(0{8,16},[0-9a-f]{8,16} L\"Exception EInOutError in module "
        "treepage\\.exe at [0-9A-F]{8}\\.\\\\n" +
        std::string(c.message) + "\",[0-9a-f]{8,16} L\"Application Error\",0{0,8}00002010\\)");
    EXPECT_TRUE(std::regex_search(run.standard_error, call));
  }
  EXPECT_FALSE(testing::PathExists(tree.Path("missing")));
}

// The real command line, as CreateProcessA passes it, cut by the program's
// own rules: which runs write a page, and under which name.
TEST_F(WindowsBuild, CommandLineRules) {
  tree.File("root/a.txt");
  tree.File("sub dir/b.txt");
  const struct {
    const char* arguments;   // after the program's name
    const char* page;        // the file written, or none
    const char* page_holds;  // a piece of that page
  } cases[] = {
      {"root out.html", "out.html", "root\\a.txt"},
      {"ro\"o\"t \"out 1.html\"", "out 1.html", "root\\a.txt"},
      {"root\tout.html", "out.html", ""},
      {"root out.html \"", "out.html", ""},
      {"\"\" root \"\" out.html \"\"", "out.html", ""},
      {"root out.html \" \"", nullptr, nullptr},
      {"root \"out 2.html", "out 2.html", ""},
      {"root", nullptr, nullptr},
      {"\"sub dir\\\" o\"\"ut.html", "out.html", "sub dir\\\\b.txt"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    const std::string command =
        tree.File("command.txt", "\"" + WinePath(kWindowsExe) + "\" " + std::string(c.arguments));
    RunOptions here;
    here.working_folder = tree.root();
    EXPECT_EQ(testing::RunProgram(kWine, {kLauncherExe, "command.txt"}, here).exit_code, 0);

    std::set<std::string> pages;
    for (const auto& entry : std::filesystem::directory_iterator(tree.root())) {
      if (entry.path().extension() == ".html") pages.insert(entry.path().filename().string());
    }
    if (c.page == nullptr) {
      EXPECT_TRUE(pages.empty());
    } else {
      EXPECT_EQ(pages, std::set<std::string>{c.page});
      EXPECT_NE(ReadWholeFile(tree.Path(c.page)).find(c.page_holds), std::string::npos);
    }
    for (const std::string& page : pages) std::filesystem::remove(tree.Path(page));
  }
}

}  // namespace
}  // namespace treepage
