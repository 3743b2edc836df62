#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace treepage::testing {

struct RunOptions {
  std::string working_folder;            // empty: the test's own
  bool unprivileged = false;             // as the user "nobody" when run as root
  std::size_t address_space_limit = 0;   // bytes; 0: no limit
  std::vector<std::string> environment;  // NAME=VALUE, added to the test's own
  std::size_t file_size_limit = 0;       // bytes, with SIGXFSZ ignored; 0: no limit
  // Standard output: a temporary file (the default), a pipe, or this file
  // opened for appending, as a shell's ">>" opens it.
  bool standard_output_to_pipe = false;
  std::string standard_output_appended_to;
};

struct RunResult {
  int exit_code = -1;           // -1 when the program did not exit normally
  std::string standard_output;  // empty when it went to a file of the test's
  std::string standard_error;
  long peak_resident_kib = 0;  // the program's largest resident set
};

// For a test that needs a tool which may be missing here (Wine, Chromium):
// unless `present`, the test fails under CI=true and is skipped elsewhere,
// saying `why`. Call it from SetUp.
void RequireTool(bool present, const std::string& why);

// Runs `program` with `arguments` and waits for it to end.
RunResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                     const RunOptions& options = {});

}  // namespace treepage::testing
