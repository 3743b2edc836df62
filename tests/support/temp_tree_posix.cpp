#include <sys/stat.h>
#include <unistd.h>

#include <stdexcept>

#include "support/temp_tree.h"

namespace treepage::testing {

void TempTree::Chmod(std::string_view relative, unsigned mode) const {
  const std::string path = Path(relative);
  if (chmod(path.c_str(), static_cast<mode_t>(mode)) != 0) {
    throw std::runtime_error("test fixture: cannot chmod " + path);
  }
}

void TempTree::SetFurtherAttribute(std::string_view relative) const { Chmod(relative, 0555); }

std::string TempTree::Symlink(std::string_view relative, const std::string& target) {
  const std::string path = Path(relative);
  if (symlink(target.c_str(), path.c_str()) != 0) {
    throw std::runtime_error("test fixture: cannot link " + path);
  }
  return path;
}

std::string TempTree::Fifo(std::string_view relative) {
  const std::string path = Path(relative);
  if (mkfifo(path.c_str(), 0644) != 0) {
    throw std::runtime_error("test fixture: cannot make the FIFO " + path);
  }
  return path;
}

}  // namespace treepage::testing
