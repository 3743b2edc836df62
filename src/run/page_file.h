#pragma once

#include <string>

namespace treepage {

// Creates `file_name`, or cuts it to length 0, and writes `text` into it byte
// for byte. Raises EInOutError when the open, a write or the close fails.
void WritePageFile(const std::string& file_name, const std::string& text);

}  // namespace treepage
