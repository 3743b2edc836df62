// Feeds arbitrary bytes to the shortcut reader's parser: the lookup must not
// depend on how the text is cut into pieces, and a value is never longer
// than 2,047 bytes nor holds a NUL.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/profile_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte chooses the size of the pieces; the rest is the text.
  const std::size_t piece = 1 + data[0] % 17;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  const treepage::ProfileLookup whole = treepage::LookUpProfileKey(text, "InternetShortcut", "URL");

  treepage::ProfileScanner scanner("InternetShortcut", "URL");
  for (std::size_t pos = 0; pos < text.size(); pos += piece) scanner.Feed(text.substr(pos, piece));
  scanner.Finish();

  if (!(scanner.Result() == whole)) std::abort();
  if (whole.value) {
    if (whole.value->size() > treepage::kMaxProfileValue) std::abort();
    if (whole.value->find('\0') != std::string::npos) std::abort();
  }
  return 0;
}
