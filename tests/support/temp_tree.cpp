#include "support/temp_tree.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace treepage::testing {
namespace {

void Check(bool ok, const std::string& what) {
  if (!ok) throw std::runtime_error("test fixture: cannot " + what);
}

}  // namespace

TempTree::TempTree() {
  std::string pattern = (fs::temp_directory_path() / "treepage-test-XXXXXX").string();
  Check(mkdtemp(pattern.data()) != nullptr, "make a temporary folder");
  root_ = pattern;
  // Other users may need to walk through it (permission cases run unprivileged).
  Check(chmod(root_.c_str(), 0755) == 0, "open up " + root_);
}

TempTree::~TempTree() {
  std::error_code error;
  // Give every folder its permissions back first, so that removal succeeds.
  for (auto it = fs::recursive_directory_iterator(root_, error);
       it != fs::recursive_directory_iterator(); it.increment(error)) {
    if (it->is_directory(error) && !it->is_symlink(error)) {
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
    }
  }
  fs::remove_all(root_, error);
}

std::string TempTree::Path(std::string_view relative) const {
  return root_ + "/" + std::string(relative);
}

std::string TempTree::File(std::string_view relative, std::string_view content) {
  const std::string path = Path(relative);
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  Check(out.good(), "write " + path);
  return path;
}

std::string TempTree::Folder(std::string_view relative) {
  const std::string path = Path(relative);
  fs::create_directories(path);
  return path;
}

std::string TempTree::Symlink(std::string_view relative, const std::string& target) {
  const std::string path = Path(relative);
  Check(symlink(target.c_str(), path.c_str()) == 0, "link " + path);
  return path;
}

std::string TempTree::Fifo(std::string_view relative) {
  const std::string path = Path(relative);
  Check(mkfifo(path.c_str(), 0644) == 0, "make the FIFO " + path);
  return path;
}

void TempTree::Chmod(std::string_view relative, unsigned mode) const {
  const std::string path = Path(relative);
  Check(chmod(path.c_str(), static_cast<mode_t>(mode)) == 0, "chmod " + path);
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

}  // namespace treepage::testing
