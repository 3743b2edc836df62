#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace treepage {

// An output file written byte for byte: bound to a name, then opened, written
// and closed. Every step that fails raises EInOutError with its error code.
class TextFile {
 public:
  // Records the name; the file system is not touched.
  explicit TextFile(std::string name);
  // A file whose writing failed stays open until the process ends.
  ~TextFile() = default;
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  // Creates the file, or cuts an existing one to length 0, for writing.
  void Rewrite();
  // Writes every byte of `text` unchanged; a failure stops the write.
  void Write(std::string_view text);
  // Writes what is still held back and closes the file.
  void Close();

 private:
  void WriteHeldBack();

  std::string name_;
  std::intptr_t handle_ = -1;
  std::string held_back_;  // bytes not yet handed to the system
};

}  // namespace treepage
