#include <gtest/gtest.h>

#include <cerrno>

#include "platform/exceptions.h"
#include "platform/posix_error.h"

namespace treepage {
namespace {

struct ErrnoCase {
  int errno_value;
  int windows_code;
  const char* message;
};

TEST(WindowsErrorCode, CarriesErrnoOverToTheMessages) {
  const ErrnoCase cases[] = {
      {ENOENT, 3, "Invalid filename"},    {ENOTDIR, 3, "Invalid filename"},
      {EACCES, 5, "File access denied"},  {EPERM, 5, "File access denied"},
      {EISDIR, 5, "File access denied"},  {EROFS, 5, "File access denied"},
      {EMFILE, 4, "Too many open files"}, {ENFILE, 4, "Too many open files"},
      {ETXTBSY, 32, "I/O error 32"},      {ENAMETOOLONG, 206, "I/O error 206"},
      {ENOSPC, 112, "I/O error 112"},     {EDQUOT, 112, "I/O error 112"},
      {EIO, 1117, "I/O error 1117"},      {ELOOP, 31, "I/O error 31"},
      {EINVAL, 31, "I/O error 31"},
  };
  for (const ErrnoCase& c : cases) {
    SCOPED_TRACE(c.errno_value);
    EXPECT_EQ(WindowsErrorCode(c.errno_value), c.windows_code);
    EXPECT_EQ(InOutErrorMessage(WindowsErrorCode(c.errno_value)), c.message);
  }
}

}  // namespace
}  // namespace treepage
