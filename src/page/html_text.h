#pragma once

#include <string>
#include <string_view>

namespace treepage {

// Appends a name or an address to the page: "&", "<", ">" and '"' as entity
// references, so that no name can break the markup, and bytes above 0x7F as
// this platform's pages show them. Other ASCII bytes pass unchanged.
void AppendHtmlText(std::string& page, std::string_view text);

}  // namespace treepage
