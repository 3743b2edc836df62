#include "listing/folder_scanner.h"

#include "platform/directory_search.h"
#include "platform/path_separator.h"

namespace treepage {
namespace {

// Lists the folder whose search `rec` holds open, and every folder below it.
// A subfolder's search is opened from its parent's, so that it finds only
// the folder that the parent's listing saw.
void ScanOpenSearch(TSearchRec& rec, const std::string& folder_path, TStringList& entry_list,
                    const std::string& prefix) {
  do {
    if (rec.Name == "." || rec.Name == "..") continue;
    if (rec.Attr == kFaDirectory) {
      std::string folder_entry = prefix + rec.Name + kPathSeparator;
      entry_list.push_back(folder_entry);
      const std::string subfolder_path = folder_path + kPathSeparator + rec.Name;
      TSearchRec subfolder;
      if (FindFirstBelow(rec, subfolder_path + kPathSeparator + "*.*", kFaAnyFile, subfolder) ==
          0) {
        ScanOpenSearch(subfolder, subfolder_path, entry_list, folder_entry);
      }
    } else {
      entry_list.push_back(prefix + rec.Name);
    }
  } while (FindNext(rec) == 0);
  FindClose(rec);
}

}  // namespace

void ScanFolder(const std::string& folder_path, TStringList& entry_list,
                const std::string& prefix) {
  TSearchRec rec;
  if (FindFirst(folder_path + kPathSeparator + "*.*", kFaAnyFile, rec) != 0) return;
  ScanOpenSearch(rec, folder_path, entry_list, prefix);
}

}  // namespace treepage
