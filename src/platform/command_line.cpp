#include "platform/command_line.h"

namespace treepage {
namespace {

bool IsSeparator(char c) {
  const auto code = static_cast<unsigned char>(c);
  return code >= 1 && code <= 32;
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view command_line) {
  const std::string_view line = command_line.substr(0, command_line.find('\0'));
  const std::size_t end = line.size();
  std::size_t pos = 0;
  auto append_char = [&](std::string& argument) { argument += line[pos++]; };

  std::vector<std::string> arguments;
  for (;;) {
    // Where an argument would begin, pairs of double quotes count as separators.
    for (;;) {
      while (pos < end && IsSeparator(line[pos])) ++pos;
      if (pos + 1 < end && line[pos] == '"' && line[pos + 1] == '"') {
        pos += 2;
        continue;
      }
      break;
    }
    if (pos == end) break;

    std::string argument;
    while (pos < end && !IsSeparator(line[pos])) {
      if (line[pos] == '"') {
        ++pos;
        while (pos < end && line[pos] != '"') append_char(argument);
        if (pos < end) ++pos;
      } else {
        append_char(argument);
      }
    }
    if (argument.empty()) break;
    arguments.push_back(std::move(argument));
  }

  if (!arguments.empty()) arguments.erase(arguments.begin());
  return arguments;
}

}  // namespace treepage
