#include "page/page_builder.h"

#include <string_view>

#include "page/html_text.h"
#include "page/shortcut.h"
#include "platform/path_separator.h"

namespace treepage {
namespace {

constexpr std::string_view kHeader =
    "<html>\r\n"
    "  <head><title>Folder List</title></head>\r\n"
    "    <body leftmargin=0 topmargin=0>\r\n"
    "        <table bgcolor=#FFFFFF width=100% cellpadding=8 cellspacing=0 border=0>\r\n";
constexpr std::string_view kFooter =
    "        </table>\r\n"
    "    </body>\r\n"
    "</html>\r\n";

void AppendHeadingCell(std::string& page, const std::string& folder_entry) {
  page += "<td align=center><b>";
  if (folder_entry.size() <= 1) {
    page += "&nbsp;";
  } else {
    AppendHtmlText(page, std::string_view(folder_entry).substr(0, folder_entry.size() - 1));
  }
  page += "</b></td>";
}

void AppendLinkCell(std::string& page, const std::string& root_folder, const std::string& entry,
                    const EntryName& parts) {
  const std::string path = root_folder + kPathSeparator + entry;
  // A name part without a base name (".url", "readme") shows whole; a file
  // named just "url" is no shortcut.
  const bool is_shortcut =
      parts.extension == "url" && parts.name_part.find('.') != std::string::npos;
  page += "<td><a href=\"";
  AppendHtmlText(page, is_shortcut ? ReadShortcutUrl(path) : path);
  page += "\">";
  AppendHtmlText(page, parts.base_name.empty() ? parts.name_part : parts.base_name);
  page += "</a></td>";
}

}  // namespace

EntryName SplitEntryName(const std::string& entry) {
  EntryName parts;
  const std::size_t separator = entry.rfind(kPathSeparator);
  parts.name_part = separator == std::string::npos ? entry : entry.substr(separator + 1);
  if (parts.name_part.empty()) return parts;
  const std::size_t dot = parts.name_part.rfind('.');
  if (dot == std::string::npos) {
    parts.extension = parts.name_part;
  } else {
    parts.base_name = parts.name_part.substr(0, dot);
    parts.extension = parts.name_part.substr(dot + 1);
  }
  return parts;
}

std::string BuildPage(const std::string& root_folder, const TStringList& entry_list) {
  std::string page(kHeader);
  for (const std::string& entry : entry_list) {
    page += "            <tr>";
    const EntryName parts = SplitEntryName(entry);
    if (parts.name_part.empty()) {
      AppendHeadingCell(page, entry);
    } else {
      AppendLinkCell(page, root_folder, entry, parts);
    }
    page += "</tr>\r\n";
  }
  page += kFooter;
  return page;
}

}  // namespace treepage
