#pragma once

#include <string>
#include <string_view>

namespace treepage {

// Text goes into the page with "&", "<", ">" and '"' as entity references,
// so that no name or address can break the markup, and bytes above 0x7F in
// the form this platform's pages show them (see platform/page_charset.h).

// A heading or a link text.
void AppendHtmlText(std::string& page, std::string_view text);

// A file's path as a link target: also percent-encodes every byte that a
// browser would otherwise take for URL syntax ("%", "#", ...) or drop (a space
// at either end), so that the link opens that very file.
void AppendFileLink(std::string& page, std::string_view path);

// A web address read from a shortcut: it is a URL already, and passes as such.
void AppendAddress(std::string& page, std::string_view address);

}  // namespace treepage
