#include "page/page_builder.h"

#include <string_view>

#include "page/html_text.h"
#include "page/shortcut.h"
#include "platform/ini_file.h"
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

// The root folder with the separator that joins an entry to it. A root that
// is the separator alone gets no second one: "//bin" would name a network
// host, "/bin" is the folder.
std::string RootPrefix(const std::string& root_folder) {
  if (root_folder.size() == 1 && root_folder[0] == kPathSeparator) return root_folder;
  return root_folder + kPathSeparator;
}

// `path` is scratch space, kept from row to row so that its memory is reused.
void AppendLinkCell(std::string& page, const std::string& root_prefix, const std::string& entry,
                    const EntryName& parts, const ShortcutReader& read_shortcut,
                    std::string& path) {
  path.assign(root_prefix);
  path += entry;
  // A name part without a base name (".url", "readme") shows whole; a file
  // named just "url" is no shortcut.
  const bool is_shortcut =
      parts.extension == "url" && parts.name_part.find('.') != std::string_view::npos;
  page += "<td><a href=\"";
  if (is_shortcut) {
    AppendAddress(page, read_shortcut(path));
  } else {
    AppendFileLink(page, path);
  }
  page += "\">";
  AppendHtmlText(page, parts.base_name.empty() ? parts.name_part : parts.base_name);
  page += "</a></td>";
}

// Room for the page as it will most likely come out, so that it is not
// copied again and again while it grows: every row with room for a web
// address of typical length.
std::size_t ExpectedPageSize(const std::string& root_folder, const TStringList& entry_list) {
  constexpr std::size_t kRowMarkup = 64;
  constexpr std::size_t kTypicalAddress = 80;
  std::size_t size = kHeader.size() + kFooter.size();
  for (const std::string& entry : entry_list) {
    size += kRowMarkup + root_folder.size() + 2 * entry.size() + kTypicalAddress;
  }
  return size;
}

}  // namespace

EntryName SplitEntryName(std::string_view entry) {
  EntryName parts;
  const std::size_t separator = entry.rfind(kPathSeparator);
  parts.name_part = separator == std::string_view::npos ? entry : entry.substr(separator + 1);
  if (parts.name_part.empty()) return parts;
  const std::size_t dot = parts.name_part.rfind('.');
  if (dot == std::string_view::npos) {
    parts.extension = parts.name_part;
  } else {
    parts.base_name = parts.name_part.substr(0, dot);
    parts.extension = parts.name_part.substr(dot + 1);
  }
  return parts;
}

std::string BuildPage(const std::string& root_folder, const TStringList& entry_list,
                      const ShortcutReader& read_shortcut) {
  std::string page;
  page.reserve(ExpectedPageSize(root_folder, entry_list));
  page += kHeader;
  const std::string root_prefix = RootPrefix(root_folder);
  std::string path;
  for (const std::string& entry : entry_list) {
    page += "            <tr>";
    const EntryName parts = SplitEntryName(entry);
    if (parts.name_part.empty()) {
      AppendHeadingCell(page, entry);
    } else {
      AppendLinkCell(page, root_prefix, entry, parts, read_shortcut, path);
    }
    page += "</tr>\r\n";
  }
  page += kFooter;
  return page;
}

std::string BuildPage(const std::string& root_folder, const TStringList& entry_list) {
  TreeFolders folders(RootPrefix(root_folder));
  return BuildPage(root_folder, entry_list,
                   [&folders](const std::string& path) { return ReadShortcutUrl(path, &folders); });
}

}  // namespace treepage
