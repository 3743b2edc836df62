#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "platform/ini_file.h"
#include "platform/profile_parser.h"

namespace treepage {

// Reads the file once per section and key asked for, and keeps the answer
// for the next question about the same pair.
struct TIniFile::Impl {
  std::string file_name;
  std::string section;
  std::string key;
  std::optional<ProfileLookup> lookup;

  const ProfileLookup& LookUp(std::string_view wanted_section, std::string_view wanted_key);
};

namespace {

constexpr int kReadFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

// Shortcuts are read folder by folder. Opening each one relative to its
// folder, which stays open until a file of another folder comes, spares the
// system walking the whole path again for every file.
class FolderOfLastFile {
 public:
  FolderOfLastFile() = default;
  ~FolderOfLastFile() { Forget(); }
  FolderOfLastFile(const FolderOfLastFile&) = delete;
  FolderOfLastFile& operator=(const FolderOfLastFile&) = delete;

  int Open(const std::string& file_name) {
    const std::size_t slash = file_name.rfind('/');
    if (slash == std::string::npos) return open(file_name.c_str(), kReadFlags);
    const std::string_view folder = std::string_view(file_name).substr(0, slash + 1);
    if (fd_ < 0 || folder != folder_) {
      Forget();
      folder_ = folder;
      fd_ = open(folder_.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
      if (fd_ < 0) return -1;
    }
    return openat(fd_, file_name.c_str() + slash + 1, kReadFlags);
  }

 private:
  void Forget() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
  }

  std::string folder_;
  int fd_ = -1;
};

FolderOfLastFile folder_of_last_file;

class ReadOnlyFile {
 public:
  explicit ReadOnlyFile(const std::string& name) : fd_(folder_of_last_file.Open(name)) {}
  ~ReadOnlyFile() {
    if (fd_ >= 0) close(fd_);
  }
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  int fd() const { return fd_; }

 private:
  int fd_;
};

bool IsRegularFile(const struct stat& status) { return S_ISREG(status.st_mode); }

// The lookup over the whole file; an empty lookup when the file is missing,
// unreadable or anything but a regular file. The open never waits (for the
// writer of a FIFO, say), and nothing but a regular file is read.
ProfileLookup ReadProfile(const std::string& file_name, std::string_view section,
                          std::string_view key) {
  struct stat status;
  const ReadOnlyFile file(file_name);
  if (file.fd() < 0 || fstat(file.fd(), &status) != 0 || !IsRegularFile(status)) return {};

  ProfileScanner scanner(section, key);
  char buffer[64 * 1024];
  while (!scanner.Settled()) {
    const ssize_t count = read(file.fd(), buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return {};
    if (count == 0) break;
    scanner.Feed(std::string_view(buffer, static_cast<std::size_t>(count)));
  }
  scanner.Finish();
  return scanner.TakeResult();
}

}  // namespace

const ProfileLookup& TIniFile::Impl::LookUp(std::string_view wanted_section,
                                            std::string_view wanted_key) {
  if (!lookup || section != wanted_section || key != wanted_key) {
    section = wanted_section;
    key = wanted_key;
    lookup = ReadProfile(file_name, section, key);
  }
  return *lookup;
}

TIniFile::TIniFile(std::string file_name) : impl_(std::make_unique<Impl>()) {
  impl_->file_name = std::move(file_name);
}

TIniFile::~TIniFile() = default;

bool TIniFile::ValueExists(std::string_view section, std::string_view key) {
  return impl_->LookUp(section, key).key_listed;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view default_value) {
  const ProfileLookup& lookup = impl_->LookUp(section, key);
  return lookup.value ? *lookup.value : std::string(default_value);
}

}  // namespace treepage
