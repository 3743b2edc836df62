#include "platform/page_charset.h"

namespace treepage {

// Names are in the system's ANSI code page, which a page without a declared
// charset is read in: the bytes pass as they are, and a browser percent-encodes
// them itself when it follows a link.
void AppendHighBytes(std::string& page, std::string_view bytes, PageField) { page += bytes; }

// Windows names hold none of "?", "\" (the separator) or control characters.
bool IsReservedInFileLink(char) { return false; }

// A ":" in a Windows path only ever follows a drive letter, which browsers
// take for one.
bool LooksLikeUrlScheme(std::string_view) { return false; }

}  // namespace treepage
