#include "platform/command_line.h"

#include <gtest/gtest.h>

#include "support/case_name.h"

namespace treepage {
namespace {

using Arguments = std::vector<std::string>;

struct SplitCase {
  const char* name;
  std::string_view command_line;
  Arguments arguments;  // after the program's own name
};

const SplitCase kSplitCases[] = {
    {"plain", "prog a b", {"a", "b"}},
    {"quoted folder with space and final backslash",
     "prog \"C:\\My Links\\\" out.html",
     {"C:\\My Links\\", "out.html"}},
    {"tab separates", "prog a\tb", {"a", "b"}},
    {"runs of separators and control codes", "  prog \x01\x1f a\r\n\x0b b  ", {"a", "b"}},
    {"DEL and high bytes are ordinary", "prog \x7f\xa0\xff", {"\x7f\xa0\xff"}},
    {"pair of quotes at the end", "prog a b \"\"", {"a", "b"}},
    {"lone quote at the very end is not counted", "prog a b \"", {"a", "b"}},
    {"pairs of quotes between arguments", "prog a \"\" \"\"\"\" b", {"a", "b"}},
    {"quoted space is an argument", "prog a b \" \"", {"a", "b", " "}},
    {"unclosed quote takes the rest", "prog a \"b c", {"a", "b c"}},
    {"unclosed quote after a space is a space", "prog a b \" ", {"a", "b", " "}},
    {"quoted stretch joins its neighbours", "prog a\"b c\"d", {"ab cd"}},
    {"empty stretch inside an argument adds nothing", "prog a\"\"b", {"ab"}},
    {"backslash does not escape a quote", "prog a\\\"b c", {"a\\b c"}},
    {"backslashes stay", "prog C:\\x\\\\y\\", {"C:\\x\\\\y\\"}},
    {"a closing quote next to an opening one", "prog a \"b\"\" c\"", {"a", "b c"}},
    {"quoted program name", "\"C:\\Program Files\\tp.exe\" a b", {"a", "b"}},
    {"pair before the program name", "\"\" prog a", {"a"}},
    {"options are names", "prog /? -x", {"/?", "-x"}},
    {"line ends at NUL", std::string_view("prog a\0b", 8), {"a"}},
    {"empty line", "", {}},
    {"only separators", " \t ", {}},
    {"program name only", "prog", {}},
    {"lone quote as program name", "\"", {}},
};

class SplitCommandLineTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitCommandLineTest, CutsArgumentsByTheRules) {
  EXPECT_EQ(SplitCommandLine(GetParam().command_line), GetParam().arguments);
}

INSTANTIATE_TEST_SUITE_P(Cases, SplitCommandLineTest, ::testing::ValuesIn(kSplitCases),
                         [](const auto& row) { return testing::CaseName(row.param.name); });

// Names in any script pass whole, quoted or not.
TEST(SplitCommandLineUtf8, CharactersBeyondAsciiAreOrdinary) {
  EXPECT_EQ(SplitCommandLine("prog \xCE\x95\xCE\xBB \"\xE5\x87\xBA \xE5\x8A\x9B.html\""),
            (Arguments{"\xCE\x95\xCE\xBB", "\xE5\x87\xBA \xE5\x8A\x9B.html"}));
  EXPECT_EQ(SplitCommandLine("prog \xF0\x9F\x8E\xB5\t\xC2\xA0"),
            (Arguments{"\xF0\x9F\x8E\xB5", "\xC2\xA0"}));
}

}  // namespace
}  // namespace treepage
