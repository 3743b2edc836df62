#pragma once

#include <string>
#include <vector>

namespace treepage {

// An unsorted, append-only list of byte strings.
using TStringList = std::vector<std::string>;

}  // namespace treepage
