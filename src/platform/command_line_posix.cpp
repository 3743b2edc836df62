#include "platform/command_line.h"

namespace treepage {

// The shell has already split the command line. An empty argument ends the
// list, as it does in the Windows splitting, so no argument is ever empty.
std::vector<std::string> ProgramArguments(int argc, char** argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc && argv[i][0] != '\0'; ++i) arguments.emplace_back(argv[i]);
  return arguments;
}

}  // namespace treepage
