#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/exceptions.h"
#include "platform/posix_error.h"
#include "platform/text_file.h"

namespace treepage {
namespace {

[[noreturn]] void RaiseFromErrno() { RaiseInOutError(WindowsErrorCode(errno)); }

}  // namespace

TextFile::TextFile(std::string name) : name_(std::move(name)) {}

void TextFile::Rewrite() {
  const int fd = open(name_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) RaiseFromErrno();
  handle_ = fd;
}

// Nothing is held back: the text goes to the file in as few writes as the
// system allows.
void TextFile::Write(std::string_view text) {
  const int fd = static_cast<int>(handle_);
  while (!text.empty()) {
    const ssize_t written = write(fd, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = EIO;
      RaiseFromErrno();
    }
    text.remove_prefix(static_cast<std::size_t>(written));
  }
}

void TextFile::Close() {
  const int fd = static_cast<int>(handle_);
  handle_ = -1;
  if (close(fd) != 0) RaiseFromErrno();
}

}  // namespace treepage
