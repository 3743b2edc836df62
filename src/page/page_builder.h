#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/string_list.h"

namespace treepage {

// The parts of a relative entry, as views into the entry's text.
struct EntryName {
  std::string_view name_part;  // after the last separator; empty for a folder entry
  std::string_view base_name;  // the name part before its last "."
  std::string_view extension;  // the name part after its last "."; all of it when it has no "."

  bool operator==(const EntryName&) const = default;
};

EntryName SplitEntryName(std::string_view entry);

// Gives the address stored in the Internet shortcut at a path.
using ShortcutReader = std::function<std::string(const std::string& path)>;

// The whole page for the entries of `entry_list`, one table row each: a bold,
// centred heading for a folder entry, a link for a file entry. A file links to
// its path (`root_folder`, the separator, the entry); an Internet shortcut
// (extension exactly "url") to the address that `read_shortcut` gives for
// that path. Every line ends in CR LF.
std::string BuildPage(const std::string& root_folder, const TStringList& entry_list,
                      const ShortcutReader& read_shortcut);

// The same, reading the shortcuts on disk through the folders below
// `root_folder` as they stand (never through a link to a folder below it).
std::string BuildPage(const std::string& root_folder, const TStringList& entry_list);

}  // namespace treepage
