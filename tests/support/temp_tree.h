#pragma once

#include <initializer_list>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace treepage::testing {

// `path` with each "/" replaced by this platform's separator.
std::string Native(std::string_view path);
// The same for a list of relative entries.
std::vector<std::string> Native(std::initializer_list<std::string_view> paths);

// A real folder under the system's temporary folder, removed with all it
// holds when the object goes. Paths given to its members are relative to it,
// with "/" between names; the paths they return use the platform's separator.
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
  // Gives a folder an attribute beside "directory", so that it is listed
  // like a file: read-only here, hidden on Windows (where Wine keeps no
  // read-only flag on folders).
  void SetFurtherAttribute(std::string_view relative) const;

  // Only where the file system has them.
  void Chmod(std::string_view relative, unsigned mode) const;
  std::string Symlink(std::string_view relative, const std::string& target);
  std::string Fifo(std::string_view relative);

 private:
  std::string root_;
};

std::string ReadWholeFile(const std::string& path);

// Whether anything, even a dangling link, stands at `path`.
bool PathExists(const std::string& path);

// The names that stand in `folder`.
std::set<std::string> NamesIn(const std::string& folder);

}  // namespace treepage::testing
