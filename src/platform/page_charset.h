#pragma once

#include <string>
#include <string_view>

#include "text/character_reference.h"

namespace treepage {

// Appends a run of bytes from 0x80 to 0xFF to `field` of the page, in the
// form in which this platform's names show, and open, correctly in a page
// that declares no charset.
void AppendHighBytes(std::string& page, std::string_view bytes, PageField field);

// Whether an ASCII byte of a file's path must be percent-encoded in a link
// target, beyond "%" and "#", which every platform's names may hold: a byte
// that this platform allows in a name and a browser would read as URL syntax
// or drop.
bool IsReservedInFileLink(char byte);

// Whether a browser would read the path `target`, as a link, as a URL with a
// scheme of its own ("Notes:work/a.txt" as the scheme "notes:"); "./" in
// front keeps it a path.
bool LooksLikeUrlScheme(std::string_view target);

}  // namespace treepage
