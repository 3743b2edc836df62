#pragma once

#include <cstdint>
#include <string>

namespace treepage {

// Where text stands in the page: a browser reads each place differently.
enum class PageField {
  kText,      // a heading or a link text
  kFileLink,  // the target of a link to a file's path
  kAddress,   // a web address read from a shortcut
};

// Appends one character beyond ASCII to `field` of the page as a decimal
// character reference. HTML reads the references &#128; to &#159; as
// windows-1252 characters, so the control characters U+0080 to U+009F are
// never written so: text shows the replacement character, and a link carries
// their UTF-8 bytes percent-encoded.
void AppendCharacter(std::string& page, std::uint32_t code_point, PageField field);

inline constexpr std::uint32_t kReplacementCharacter = 0xFFFD;

// The character a windows-1252 byte stands for; the five bytes that the code
// page leaves undefined stand for the control characters of the same number,
// as Windows reads them.
std::uint32_t FromWindows1252(unsigned char byte);

}  // namespace treepage
