#include "platform/profile_parser.h"

#include <gtest/gtest.h>

#include "support/case_name.h"

#include <initializer_list>

namespace treepage {
namespace {

std::string CrLfLines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

std::string Utf16(std::string_view ascii, bool little_endian) {
  std::string text = little_endian ? "\xFF\xFE" : "\xFE\xFF";
  for (char c : ascii) {
    text += little_endian ? c : '\0';
    text += little_endian ? '\0' : c;
  }
  return text;
}

// What a shortcut links to, given the lookup of its "URL" key.
std::string LinkTarget(const ProfileLookup& lookup) {
  if (!lookup.key_listed) return "http://";
  return lookup.value.value_or("?");
}

std::string LinkTargetOf(std::string_view text) {
  return LinkTarget(LookUpProfileKey(text, "InternetShortcut", "URL"));
}

struct ProfileCase {
  std::string name;
  std::string text;
  std::string link_target;
};

std::vector<ProfileCase> ProfileCases() {
  const std::string long_value = "http://i.test/" + std::string(3000, 'x');
  return {
      // The reader's rules, case by case.
      {"quoted value with spaces around",
       CrLfLines({"[InternetShortcut]", "url = \"http://a.test/x y\" "}), "http://a.test/x y"},
      {"empty value", CrLfLines({"[internetshortcut]", "URL="}), ""},
      {"form feed before a section line is blank",
       CrLfLines({"\f[InternetShortcut]", "URL=http://ff.test/"}), "http://ff.test/"},
      {"Ctrl-Z before a key is blank", CrLfLines({"[InternetShortcut]", "\x1AURL=http://z.test/"}),
       "http://z.test/"},
      {"form feed and Ctrl-Z around a value are trimmed",
       CrLfLines({"[InternetShortcut]", "URL=\f http://a/\x1A"}), "http://a/"},
      {"form feed and Ctrl-Z inside a value stay",
       CrLfLines({"[InternetShortcut]",
                  "URL=a\fb\x1A"
                  "c"}),
       "a\fb\x1A"
       "c"},
      {"entry without equals is no key", CrLfLines({"[InternetShortcut]", "URL"}), "http://"},
      {"first entry without equals gives the default",
       CrLfLines({"[InternetShortcut]", "URL", "URL=http://b.test/"}), "?"},
      {"first entry of a name counts",
       CrLfLines({"[InternetShortcut]", "URL=http://1.test/", "URL=http://2.test/"}),
       "http://1.test/"},
      {"only the first section of a name is read",
       CrLfLines(
           {"[InternetShortcut]", "IDList=", "[X]", "[InternetShortcut]", "URL=http://b.test/"}),
       "http://"},
      {"semicolon line is a comment", CrLfLines({"[InternetShortcut]", ";URL=http://c.test/"}),
       "http://"},
      {"hash starts no comment", CrLfLines({"[InternetShortcut]", "#URL=http://c.test/"}),
       "http://"},
      {"one quote stays", CrLfLines({"[InternetShortcut]", "URL=\"http://d.test/"}),
       "\"http://d.test/"},
      {"a lone quote stays", CrLfLines({"[InternetShortcut]", "URL=\""}), "\""},
      {"UTF-16LE with mark", Utf16(CrLfLines({"[InternetShortcut]", "URL=http://e.test/"}), true),
       "http://e.test/"},
      {"value cut at NUL",
       CrLfLines({"[InternetShortcut]", std::string("URL=http://f.test/\0tail", 23)}),
       "http://f.test/"},
      {"CR-only line ends", "[InternetShortcut]\rURL=http://g.test/\r", "http://g.test/"},
      {"key before any section", CrLfLines({"URL=http://h.test/", "[InternetShortcut]"}),
       "http://"},
      {"long value cut to 2047 bytes", CrLfLines({"[InternetShortcut]", "URL=" + long_value}),
       long_value.substr(0, 2047)},
      {"empty text", "", "http://"},
      // Corners of the same rules.
      {"as a browser writes it",
       CrLfLines({"[{000214A0-0000-0000-C000-000000000046}]", "Prop3=19,11", "[InternetShortcut]",
                  "IDList=", "URL=https://www.debian.org/", "IconIndex=0"}),
       "https://www.debian.org/"},
      {"UTF-16BE with mark", Utf16(CrLfLines({"[InternetShortcut]", "URL=http://j.test/"}), false),
       "http://j.test/"},
      {"UTF-8 mark is skipped", "\xEF\xBB\xBF[InternetShortcut]\nURL=http://k.test/\n",
       "http://k.test/"},
      {"LF line ends and no final line end", "[InternetShortcut]\nURL=http://l.test/",
       "http://l.test/"},
      {"blanks around lines and names",
       " \t[ InternetShortcut ]\v \r\n\t URL\t=\vhttp://m.test/ \r\n", "http://m.test/"},
      {"section header without closing bracket",
       CrLfLines({"[InternetShortcut", "URL=http://n.test/"}), "http://n.test/"},
      {"text after the bracket defines no key", CrLfLines({"[InternetShortcut]URL=http://o.test/"}),
       "http://"},
      {"another section ends the search",
       CrLfLines({"[InternetShortcut]", "[Other]", "URL=http://p.test/"}), "http://"},
      {"semicolon inside a value is text",
       CrLfLines({"[InternetShortcut]", "URL=http://q.test/;x"}), "http://q.test/;x"},
      {"equals inside a value is text", CrLfLines({"[InternetShortcut]", "URL=http://r.test/?a=b"}),
       "http://r.test/?a=b"},
      {"single quotes are stripped", CrLfLines({"[InternetShortcut]", "URL='http://s.test/'"}),
       "http://s.test/"},
      {"mismatched quotes stay", CrLfLines({"[InternetShortcut]", "URL=\"http://t.test/'"}),
       "\"http://t.test/'"},
      {"quotes stripped before the NUL cut",
       CrLfLines({"[InternetShortcut]", std::string("URL=\"u\0v\"", 9)}), "u"},
      {"value of exactly 2047 bytes",
       CrLfLines({"[InternetShortcut]", "URL=" + std::string(2047, 'v')}), std::string(2047, 'v')},
      {"quoted value on a very long line",
       CrLfLines({"[InternetShortcut]", "URL=\"" + std::string(1 << 20, 'q') + "\""}),
       std::string(2047, 'q')},
      {"blanks of any length around names",
       CrLfLines({"[InternetShortcut" + std::string(100000, ' ') + "]",
                  "URL" + std::string(100000, '\t') + "=" + std::string(100000, ' ') + "'x'"}),
       "x"},
      {"name differing only in length", CrLfLines({"[InternetShortcut]", "URLs=http://w.test/"}),
       "http://"},
  };
}

class ProfileScannerTest : public ::testing::TestWithParam<ProfileCase> {};

TEST_P(ProfileScannerTest, WholeText) {
  EXPECT_EQ(LinkTargetOf(GetParam().text), GetParam().link_target);
}

// The file arrives in blocks; the answer must not depend on where they part
// (inside a CR LF, a byte-order mark or a UTF-16 unit).
TEST_P(ProfileScannerTest, ByteByByte) {
  ProfileScanner scanner("InternetShortcut", "URL");
  for (char byte : GetParam().text) scanner.Feed(std::string_view(&byte, 1));
  scanner.Finish();
  EXPECT_EQ(LinkTarget(scanner.Result()), GetParam().link_target);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileScannerTest, ::testing::ValuesIn(ProfileCases()),
                         [](const auto& row) { return testing::CaseName(row.param.name); });

TEST(ProfileScanner, KeyTestAndValueAreSeparateAnswers) {
  EXPECT_EQ(LookUpProfileKey(CrLfLines({"[S]", "K"}), "s", "k"),
            (ProfileLookup{false, std::nullopt}));
  EXPECT_EQ(LookUpProfileKey(CrLfLines({"[S]", "K", "k=2"}), "s", "k"),
            (ProfileLookup{true, std::nullopt}));
  EXPECT_EQ(LookUpProfileKey(CrLfLines({"[S]", "k=1"}), "S", "K"), (ProfileLookup{true, "1"}));
  // An empty key name never counts as listed.
  EXPECT_EQ(LookUpProfileKey(CrLfLines({"[S]", "=v"}), "S", ""), (ProfileLookup{false, "v"}));
}

TEST(ProfileScanner, DecodesUtf16ToUtf8) {
  // "é" (U+00E9), "€" (U+20AC), U+1D11E as a surrogate pair, then a lone
  // high surrogate, which becomes U+FFFD.
  constexpr char kText[] = "\xFF\xFE[\0S\0]\0\n\0k\0=\0\xE9\0\xAC\x20\x34\xD8\x1E\xDD\x00\xD8x\0";
  const std::string_view text(kText, sizeof kText - 1);
  EXPECT_EQ(LookUpProfileKey(text, "S", "k").value,
            "\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E\xEF\xBF\xBDx");
}

TEST(ProfileScanner, SettlesOnceTheAnswerIsKnown) {
  ProfileScanner scanner("InternetShortcut", "URL");
  scanner.Feed(CrLfLines({"[InternetShortcut]", "URL=http://x.test/"}));
  EXPECT_TRUE(scanner.Settled());
  scanner.Feed(CrLfLines({"URL=http://y.test/"}));
  scanner.Finish();
  EXPECT_EQ(scanner.Result().value, "http://x.test/");
}

}  // namespace
}  // namespace treepage
