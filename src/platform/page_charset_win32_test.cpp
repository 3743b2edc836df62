#include <gtest/gtest.h>

#include "page/page_builder.h"

namespace treepage {
namespace {

// ANSI names reach the page as they are; only markup characters change.
TEST(PageCharsetWin32, HighBytesPassUnchanged) {
  const std::string page = BuildPage("C:\\Links", {"caf\xE9\\", "caf\xE9\\\x80 & \xFF.txt"});
  EXPECT_NE(page.find("<b>caf\xE9</b>"), std::string::npos);
  EXPECT_NE(page.find("href=\"C:\\Links\\caf\xE9\\\x80 &amp; \xFF.txt\">\x80 &amp; \xFF</a>"),
            std::string::npos);
}

}  // namespace
}  // namespace treepage
