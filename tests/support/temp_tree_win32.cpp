#include <windows.h>

#include <stdexcept>

#include "support/temp_tree.h"

namespace treepage::testing {

void TempTree::SetFurtherAttribute(std::string_view relative) const {
  const std::string path = Path(relative);
  if (!SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN)) {
    throw std::runtime_error("test fixture: cannot hide " + path);
  }
}

}  // namespace treepage::testing
