#include "platform/page_charset.h"

namespace treepage {

// Names are in the system's ANSI code page, which a page without a declared
// charset is read in: the bytes pass as they are.
void AppendHighBytes(std::string& page, std::string_view bytes) { page += bytes; }

}  // namespace treepage
