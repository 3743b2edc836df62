#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace treepage {

// The length in bytes of the character that starts at `position` of `text`
// (more than one only in code pages with double-byte characters).
using CharLength = std::function<std::size_t(std::string_view text, std::size_t position)>;

std::size_t SingleByteCharLength(std::string_view text, std::size_t position);

// Cuts a Windows command line into arguments. Separators are the codes 1-32
// outside double quotes; quotes group and vanish, and there is no escape.
// The first argument (the program's own name) is dropped, and so is an empty
// argument, which only a lone double quote at the very end can make.
std::vector<std::string> SplitCommandLine(std::string_view command_line,
                                          const CharLength& char_length = SingleByteCharLength);

// The arguments the process was started with, after the program's own name.
std::vector<std::string> ProgramArguments(int argc, char** argv);

}  // namespace treepage
