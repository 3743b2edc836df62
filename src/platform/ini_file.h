#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace treepage {

// The folders below one root through which profile files are opened. On
// Linux each folder below the root is opened relative to its parent and never
// through a symbolic link, so a folder swapped for a link after it was listed
// is not entered (the root itself is taken as given, links included); the
// folders of the last file stay open for the next. One for each run of
// reads, used by one thread at a time.
class TreeFolders {
 public:
  // `root_prefix`: the root folder with the separator that joins it to the
  // paths below it. A file whose path does not begin so is opened by its path.
  explicit TreeFolders(std::string root_prefix);
  ~TreeFolders();
  TreeFolders(const TreeFolders&) = delete;
  TreeFolders& operator=(const TreeFolders&) = delete;

  struct Impl;

 private:
  friend class TIniFile;
  std::unique_ptr<Impl> impl_;
};

// A profile file larger than this is taken as unreadable: no shortcut is a
// thousandth of it, and reading a huge or sparse file would take as long as
// the file is large.
inline constexpr std::uint64_t kMaxProfileFileSize = 1 << 20;

// Reads values from a profile (INI) file. Never writes to it.
class TIniFile {
 public:
  // Records the file name, and the folders to open it through (none: by its
  // path); no file is touched yet.
  explicit TIniFile(std::string file_name, TreeFolders* folders = nullptr);
  ~TIniFile();
  TIniFile(const TIniFile&) = delete;
  TIniFile& operator=(const TIniFile&) = delete;

  // True when the section lists `key` among its key names, compared without
  // regard to case; false for a missing or unreadable file or section.
  bool ValueExists(std::string_view section, std::string_view key);

  // The value of `key`, at most 2,047 bytes; `default_value` when the
  // reader finds none.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view default_value);

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace treepage
