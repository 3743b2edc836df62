#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace treepage {

// Reads values from a profile (INI) file. Never writes to it.
class TIniFile {
 public:
  // Records the file name; no file is touched yet.
  explicit TIniFile(std::string file_name);
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
