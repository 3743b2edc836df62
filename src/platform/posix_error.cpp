#include "platform/posix_error.h"

#include <cerrno>

namespace treepage {

int WindowsErrorCode(int errno_value) {
  switch (errno_value) {
    case ENOENT:
    case ENOTDIR:
      return 3;  // ERROR_PATH_NOT_FOUND: "Invalid filename"
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
      return 5;  // ERROR_ACCESS_DENIED
    case EMFILE:
    case ENFILE:
      return 4;  // ERROR_TOO_MANY_OPEN_FILES
    case ETXTBSY:
      return 32;  // ERROR_SHARING_VIOLATION
    case ENAMETOOLONG:
      return 206;  // ERROR_FILENAME_EXCED_RANGE
    case ENOSPC:
    case EDQUOT:
      return 112;  // ERROR_DISK_FULL
    case EIO:
      return 1117;  // ERROR_IO_DEVICE
    default:
      return 31;  // ERROR_GEN_FAILURE
  }
}

}  // namespace treepage
