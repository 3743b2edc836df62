#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace treepage {

// An output file written byte for byte: bound to a name, then opened, written
// and closed. Every step that fails raises EInOutError with its error code.
//
// The page replaces the file whole or not at all: it is written to a new file
// beside the old one, which the close puts in place. Only where replacing
// would change more than the page (a device or FIFO, a file with further
// hard links, a folder that lets no new file be created) is the file itself
// cut and written, as before.
class TextFile {
 public:
  // Records the name; the file system is not touched.
  explicit TextFile(std::string name);
  // Closes what is still open; a new file that was never put in place is
  // removed, so a failed write leaves the old file as it was.
  ~TextFile();
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  // Opens for writing, after checking that the file may be written: a new
  // file beside it, or the file itself cut to length 0.
  void Rewrite();
  // Writes every byte of `text` unchanged; a failure stops the write.
  void Write(std::string_view text);
  // Writes what is still held back, closes the file and puts a new file in
  // place of the old.
  void Close();

 private:
  void WriteHeldBack();

  std::string name_;
  std::intptr_t handle_ = -1;
  std::string held_back_;    // bytes not yet handed to the system
  std::string replacement_;  // the new file, until it is put in place
  std::string replaced_;     // the file it replaces (empty on Windows when none was there)
};

}  // namespace treepage
