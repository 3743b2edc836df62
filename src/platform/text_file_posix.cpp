#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/exceptions.h"
#include "platform/posix_error.h"
#include "platform/text_file.h"

namespace treepage {
namespace {

[[noreturn]] void RaiseFromErrno() { RaiseInOutError(WindowsErrorCode(errno)); }

// The folder part of a path, with its final "/"; empty for a bare name.
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file that `path` leads to once every symbolic link in its last part is
// followed, whether or not that file exists yet: the link stays, and what it
// points to is replaced. A loop is left to the open to report.
std::string FollowLinks(std::string path) {
  for (int hop = 0; hop < 40; ++hop) {
    char target[PATH_MAX];
    const ssize_t length = readlink(path.c_str(), target, sizeof target);
    if (length < 0 || static_cast<std::size_t>(length) == sizeof target) return path;
    const std::string_view next(target, static_cast<std::size_t>(length));
    path = next.starts_with('/') ? std::string(next) : FolderOf(path) + std::string(next);
  }
  return path;
}

// Whether the system would refuse to rename over `file` in `folder`: a
// sticky folder (such as /tmp) lets only the owners replace a file.
bool StickyFolderForbidsReplacing(const std::string& folder, const struct stat& file) {
  struct stat status;
  if (stat(folder.empty() ? "." : folder.c_str(), &status) != 0) return false;
  const uid_t user = geteuid();
  return (status.st_mode & S_ISVTX) != 0 && user != 0 && user != status.st_uid &&
         user != file.st_uid;
}

// A new, empty file in `folder` under a hidden name that no other file has.
int CreateReplacement(const std::string& folder, std::string& name) {
  for (unsigned attempt = 0;; ++attempt) {
    name =
        folder + ".treepage-" + std::to_string(getpid()) + "-" + std::to_string(attempt) + ".tmp";
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST || attempt == 1000) return fd;
  }
}

// The new file takes the old one's owner and group where the run may give
// them, and its permission bits.
void TakeOwnerAndMode(int fd, const struct stat& old) {
  if (fchown(fd, old.st_uid, old.st_gid) != 0) {
    [[maybe_unused]] const int ignored = fchown(fd, static_cast<uid_t>(-1), old.st_gid);
  }
  [[maybe_unused]] const int ignored = fchmod(fd, old.st_mode & 07777);
}

}  // namespace

TextFile::TextFile(std::string name) : name_(std::move(name)) {}

TextFile::~TextFile() {
  if (handle_ >= 0) close(static_cast<int>(handle_));
  if (!replacement_.empty()) unlink(replacement_.c_str());
}

void TextFile::Rewrite() {
  struct stat old;
  const bool exists = stat(name_.c_str(), &old) == 0;
  // Any failure but a missing file is the one that opening it would meet.
  if (!exists && errno != ENOENT) RaiseFromErrno();

  // The process's own standard output is written as it stands: a shell's ">>"
  // appends, and a pipe streams.
  struct stat standard_output;
  if (exists && fstat(STDOUT_FILENO, &standard_output) == 0 &&
      standard_output.st_dev == old.st_dev && standard_output.st_ino == old.st_ino) {
    const int fd = fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 0);
    if (fd < 0) RaiseFromErrno();
    handle_ = fd;
    return;
  }

  const std::string file = FollowLinks(name_);
  const bool replaceable = !exists || (S_ISREG(old.st_mode) && old.st_nlink == 1 &&
                                       !StickyFolderForbidsReplacing(FolderOf(file), old));
  if (!replaceable) {
    const int fd = open(name_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) RaiseFromErrno();
    handle_ = fd;
    return;
  }

  // Refused now, as writing it in place would be: nothing is created first.
  const int old_fd = exists ? open(file.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC) : -1;
  if (exists && old_fd < 0) RaiseFromErrno();
  std::string replacement;
  const int fd = CreateReplacement(FolderOf(file), replacement);
  if (fd < 0) {
    if (!exists) RaiseFromErrno();
    // The folder takes no new file, but the file itself may be written.
    handle_ = old_fd;
    if (ftruncate(old_fd, 0) != 0) RaiseFromErrno();
    return;
  }
  if (exists) {
    TakeOwnerAndMode(fd, old);
    close(old_fd);
  }
  handle_ = fd;
  replacement_ = std::move(replacement);
  replaced_ = file;
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
  if (replacement_.empty()) return;
  if (rename(replacement_.c_str(), replaced_.c_str()) != 0) RaiseFromErrno();
  replacement_.clear();
}

}  // namespace treepage
