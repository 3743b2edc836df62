#pragma once

#include <string>

namespace treepage {

class TreeFolders;

// The web address stored in the Internet shortcut at `path` (section
// "InternetShortcut", key "URL"): "http://" when the file, the section or
// the key is missing or the file cannot be read; "?" when the key is listed
// but holds no value. The file is opened through `folders` where given (a
// folder swapped for a link makes it unreadable), otherwise by its path.
// Never raises.
std::string ReadShortcutUrl(const std::string& path, TreeFolders* folders = nullptr);

}  // namespace treepage
