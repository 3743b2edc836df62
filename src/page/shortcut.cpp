#include "page/shortcut.h"

#include "platform/ini_file.h"

namespace treepage {

std::string ReadShortcutUrl(const std::string& path, TreeFolders* folders) {
  TIniFile shortcut(path, folders);
  if (!shortcut.ValueExists("InternetShortcut", "URL")) return "http://";
  return shortcut.ReadString("InternetShortcut", "URL", "?");
}

}  // namespace treepage
