#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace treepage::testing {

// Pages as the builder must write them, put together from their cells.

inline constexpr std::string_view kPageHeader =
    "<html>\r\n"
    "  <head><title>Folder List</title></head>\r\n"
    "    <body leftmargin=0 topmargin=0>\r\n"
    "        <table bgcolor=#FFFFFF width=100% cellpadding=8 cellspacing=0 border=0>\r\n";
inline constexpr std::string_view kPageFooter = "        </table>\r\n    </body>\r\n</html>\r\n";

inline std::string Page(std::initializer_list<std::string> cells) {
  std::string page(kPageHeader);
  for (const std::string& cell : cells) page += "            <tr>" + cell + "</tr>\r\n";
  page += kPageFooter;
  return page;
}

inline std::string Link(std::string_view target, std::string_view text) {
  return "<td><a href=\"" + std::string(target) + "\">" + std::string(text) + "</a></td>";
}

// A row of a table of link cases: an entry under a root, and the link target
// and text the page must hold for it.
struct LinkCase {
  std::string root;
  std::string entry;
  std::string target;
  std::string text;
};

inline std::string Heading(std::string_view text) {
  return "<td align=center><b>" + std::string(text) + "</b></td>";
}

}  // namespace treepage::testing
