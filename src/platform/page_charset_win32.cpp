#include <windows.h>

#include "platform/page_charset.h"
#include "platform/wide_text_win32.h"
#include "text/utf8.h"

namespace treepage {
namespace {

// The bytes of one character (its UTF-8 form) in the system's ANSI code page,
// when the code page holds it exactly: no default character, and no best-fit
// likeness (never "A" for "Ā").
bool AppendAnsi(std::string& page, std::string_view character) {
  const std::wstring units = Wide(character);
  char ansi[8];
  BOOL used_default = FALSE;
  const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, units.data(),
                                         static_cast<int>(units.size()), ansi, sizeof ansi, nullptr,
                                         &used_default);
  if (length <= 0 || used_default) return false;
  page.append(ansi, static_cast<std::size_t>(length));
  return true;
}

}  // namespace

// A page without a declared charset is read in the system's ANSI code page:
// every character that the code page holds is written as its bytes there, as
// names always were, and every other one as a character reference, so that
// names in any script show and link right. A lone surrogate, which no
// character set holds, shows as the replacement character.
void AppendHighBytes(std::string& page, std::string_view bytes, PageField field) {
  while (!bytes.empty()) {
    const DecodedChar decoded = DecodeUtf8OrSurrogate(bytes);
    if (decoded.length == 0 || IsSurrogate(decoded.code_point)) {
      AppendCharacter(page, kReplacementCharacter, field);
      bytes.remove_prefix(decoded.length == 0 ? 1 : decoded.length);
      continue;
    }
    if (!AppendAnsi(page, bytes.substr(0, decoded.length))) {
      AppendCharacter(page, decoded.code_point, field);
    }
    bytes.remove_prefix(decoded.length);
  }
}

// Windows names hold none of "?", "\\" (the separator) or control characters.
bool IsReservedInFileLink(char) { return false; }

// A ":" in a Windows path only ever follows a drive letter, which browsers
// take for one.
bool LooksLikeUrlScheme(std::string_view) { return false; }

}  // namespace treepage
