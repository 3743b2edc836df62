#include "listing/folder_scanner.h"

#include "platform/directory_search.h"
#include "platform/path_separator.h"

namespace treepage {

void ScanFolder(const std::string& folder_path, TStringList& entry_list,
                const std::string& prefix) {
  TSearchRec rec;
  if (FindFirst(folder_path + kPathSeparator + "*.*", kFaAnyFile, rec) != 0) return;
  do {
    if (rec.Name == "." || rec.Name == "..") continue;
    if (rec.Attr == kFaDirectory) {
      std::string folder_entry = prefix + rec.Name + kPathSeparator;
      entry_list.push_back(folder_entry);
      ScanFolder(folder_path + kPathSeparator + rec.Name, entry_list, folder_entry);
    } else {
      entry_list.push_back(prefix + rec.Name);
    }
  } while (FindNext(rec) == 0);
  FindClose(rec);
}

}  // namespace treepage
