#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace treepage {

// Cuts a Windows command line, as UTF-8, into arguments. Separators are the
// codes 1-32 outside double quotes; quotes group and vanish, and there is no
// escape. No byte of a character beyond ASCII is below 0x80, so none is ever
// taken for a separator or a quote.
// The first argument (the program's own name) is dropped, and so is an empty
// argument, which only a lone double quote at the very end can make.
std::vector<std::string> SplitCommandLine(std::string_view command_line);

// The arguments the process was started with, after the program's own name.
std::vector<std::string> ProgramArguments(int argc, char** argv);

}  // namespace treepage
