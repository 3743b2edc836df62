#pragma once

#include <string>
#include <string_view>

namespace treepage::testing {

// A real folder under the system's temporary folder, removed with all it
// holds when the object goes. Paths given to its members are relative to it,
// with "/" between names.
class TempTree {
 public:
  TempTree();
  ~TempTree();
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  const std::string& root() const { return root_; }
  std::string Path(std::string_view relative) const;

  // Writes a file, creating the folders above it; returns its full path.
  std::string File(std::string_view relative, std::string_view content = "");
  std::string Folder(std::string_view relative);
  std::string Symlink(std::string_view relative, const std::string& target);
  std::string Fifo(std::string_view relative);
  void Chmod(std::string_view relative, unsigned mode) const;

 private:
  std::string root_;
};

std::string ReadWholeFile(const std::string& path);

}  // namespace treepage::testing
