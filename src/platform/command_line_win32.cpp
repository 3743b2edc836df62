#include <windows.h>

#include "platform/command_line.h"

namespace treepage {

// The C runtime's argv follows other rules (backslash escapes), so the
// command line is split here, from the text the process was started with.
std::vector<std::string> ProgramArguments(int, char**) {
  return SplitCommandLine(GetCommandLineA(), [](std::string_view text, std::size_t position) {
    const char* start = text.data() + position;
    return static_cast<std::size_t>(CharNextA(start) - start);
  });
}

}  // namespace treepage
