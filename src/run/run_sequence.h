#pragma once

#include <string>
#include <vector>

namespace treepage {

// With exactly two arguments, lists the tree below the first into a page and
// writes it to the file the second names; with any other count does nothing.
// The output file is touched only once the page is complete. Failures pass
// to the caller.
void RunJob(const std::vector<std::string>& arguments);

// The whole program: runs the job for the process's arguments, reports a
// failure and ends the process, with exit code 1 after a failure and 0
// otherwise.
[[noreturn]] void RunProgram(int argc, char** argv);

}  // namespace treepage
