#include "platform/path_separator.h"

namespace treepage {

const char kPathSeparator = '\\';

}  // namespace treepage
