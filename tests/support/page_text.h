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

inline std::string Heading(std::string_view text) {
  return "<td align=center><b>" + std::string(text) + "</b></td>";
}

}  // namespace treepage::testing
