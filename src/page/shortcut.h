#pragma once

#include <string>

namespace treepage {

// The web address stored in the Internet shortcut at `path` (section
// "InternetShortcut", key "URL"): "http://" when the file, the section or
// the key is missing or the file cannot be read; "?" when the key is listed
// but holds no value. Never raises.
std::string ReadShortcutUrl(const std::string& path);

}  // namespace treepage
