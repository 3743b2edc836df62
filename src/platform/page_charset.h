#pragma once

#include <string>
#include <string_view>

namespace treepage {

// Appends a run of bytes from 0x80 to 0xFF to the page in the form in which
// this platform's names show correctly in a page that declares no charset.
void AppendHighBytes(std::string& page, std::string_view bytes);

}  // namespace treepage
