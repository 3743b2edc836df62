#include <windows.h>

#include "platform/command_line.h"
#include "platform/wide_text_win32.h"

namespace treepage {

// The C runtime's argv follows other rules (backslash escapes), so the
// command line is split here, from the text the process was started with.
// As UTF-8, no byte of a character beyond ASCII can be taken for a
// separator or a quote.
std::vector<std::string> ProgramArguments(int, char**) {
  return SplitCommandLine(Utf8(GetCommandLineW()));
}

}  // namespace treepage
