#pragma once

namespace treepage {

// The Windows error code that stands for a POSIX errno value; every failure
// of a system call is carried over to the program's codes here.
int WindowsErrorCode(int errno_value);

inline constexpr int kErrorPathNotFound = 3;
inline constexpr int kErrorNoMoreFiles = 18;

}  // namespace treepage
