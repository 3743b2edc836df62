#include "support/temp_tree.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "platform/path_separator.h"

namespace fs = std::filesystem;

namespace treepage::testing {

std::string Native(std::string_view path) {
  std::string native(path);
  for (char& c : native) {
    if (c == '/') c = kPathSeparator;
  }
  return native;
}

std::vector<std::string> Native(std::initializer_list<std::string_view> paths) {
  std::vector<std::string> native;
  for (std::string_view path : paths) native.push_back(Native(path));
  return native;
}

TempTree::TempTree() {
  std::random_device random;
  for (int attempt = 0; root_.empty(); ++attempt) {
    const fs::path candidate =
        fs::temp_directory_path() / ("treepage-test-" + std::to_string(random()));
    if (fs::create_directory(candidate)) root_ = candidate.string();
    if (attempt == 100) throw std::runtime_error("test fixture: no temporary folder");
  }
  // Other users may need to walk through it (permission cases run unprivileged).
  fs::permissions(root_, fs::perms(0755));
}

TempTree::~TempTree() {
  std::error_code error;
  // Give every folder its permissions back first, so that removal succeeds.
  for (auto it = fs::recursive_directory_iterator(root_, error);
       it != fs::recursive_directory_iterator(); it.increment(error)) {
    if (!it->is_symlink(error)) {
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
    }
  }
  fs::remove_all(root_, error);
}

std::string TempTree::Path(std::string_view relative) const {
  return root_ + kPathSeparator + Native(relative);
}

std::string TempTree::File(std::string_view relative, std::string_view content) {
  const std::string path = Path(relative);
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  if (!out.good()) throw std::runtime_error("test fixture: cannot write " + path);
  return path;
}

std::string TempTree::Folder(std::string_view relative) {
  const std::string path = Path(relative);
  fs::create_directories(path);
  return path;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

bool PathExists(const std::string& path) {
  std::error_code error;
  return fs::exists(fs::symlink_status(path, error));
}

std::set<std::string> NamesIn(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

}  // namespace treepage::testing
