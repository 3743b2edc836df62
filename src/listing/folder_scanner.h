#pragma once

#include <string>

#include "platform/string_list.h"

namespace treepage {

// Appends to `entry_list` one relative entry for every folder and file below
// `folder_path`, depth first, in the order the directory search yields the
// names. `prefix` is the folder's relative path: empty for the root,
// otherwise its own folder entry. A folder entry ends in the separator; only
// a name whose attribute set is exactly "directory" counts as a folder and is
// descended into. A folder that cannot be listed adds nothing.
void ScanFolder(const std::string& folder_path, TStringList& entry_list, const std::string& prefix);

}  // namespace treepage
