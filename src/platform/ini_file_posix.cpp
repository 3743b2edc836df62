#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <vector>

#include "platform/ini_file.h"
#include "platform/profile_parser.h"

namespace treepage {

// Reads the file once per section and key asked for, and keeps the answer
// for the next question about the same pair.
struct TIniFile::Impl {
  std::string file_name;
  TreeFolders* folders;
  std::string section;
  std::string key;
  std::optional<ProfileLookup> lookup;

  const ProfileLookup& LookUp(std::string_view wanted_section, std::string_view wanted_key);
};

namespace {

constexpr int kReadFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

constexpr int kFolderFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;

class ReadOnlyFile {
 public:
  explicit ReadOnlyFile(int fd) : fd_(fd) {}
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
// unreadable, anything but a regular file, or too large for a profile. The
// open never waits (for the writer of a FIFO, say), and nothing but a regular
// file is read.
ProfileLookup ReadProfile(int fd, std::string_view section, std::string_view key) {
  struct stat status;
  const ReadOnlyFile file(fd);
  if (file.fd() < 0 || fstat(file.fd(), &status) != 0 || !IsRegularFile(status) ||
      static_cast<std::uint64_t>(status.st_size) > kMaxProfileFileSize) {
    return {};
  }

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

// Shortcuts come folder by folder, in the order of the walk: the folders of
// the last file stay open, and a file in another folder opens only the
// folders where its path parts from the last one.
struct TreeFolders::Impl {
  struct OpenFolder {
    std::string name;
    int fd;
  };

  ~Impl() {
    CloseFrom(0);
    if (root_fd >= 0) close(root_fd);
  }

  void CloseFrom(std::size_t depth) {
    for (std::size_t i = depth; i < chain.size(); ++i) close(chain[i].fd);
    chain.resize(std::min(depth, chain.size()));
  }

  int OpenFile(const std::string& path);

  std::string root_prefix;
  int root_fd = -1;
  std::vector<OpenFolder> chain;  // the folders below the root, outermost first
};

int TreeFolders::Impl::OpenFile(const std::string& path) {
  if (!path.starts_with(root_prefix)) return open(path.c_str(), kReadFlags);
  if (root_fd < 0) {
    root_fd = open(root_prefix.empty() ? "." : root_prefix.c_str(), kFolderFlags);
    if (root_fd < 0) return -1;
  }
  std::string_view rest = std::string_view(path).substr(root_prefix.size());
  std::size_t depth = 0;
  for (std::size_t slash; (slash = rest.find('/')) != std::string_view::npos; ++depth) {
    const std::string_view name = rest.substr(0, slash);
    rest.remove_prefix(slash + 1);
    if (depth < chain.size() && chain[depth].name == name) continue;
    CloseFrom(depth);
    const int parent = depth == 0 ? root_fd : chain[depth - 1].fd;
    const int fd = openat(parent, std::string(name).c_str(), kFolderFlags | O_NOFOLLOW);
    if (fd < 0) return -1;
    chain.push_back({std::string(name), fd});
  }
  CloseFrom(depth);
  return openat(depth == 0 ? root_fd : chain[depth - 1].fd, std::string(rest).c_str(), kReadFlags);
}

TreeFolders::TreeFolders(std::string root_prefix) : impl_(std::make_unique<Impl>()) {
  impl_->root_prefix = std::move(root_prefix);
}

TreeFolders::~TreeFolders() = default;

const ProfileLookup& TIniFile::Impl::LookUp(std::string_view wanted_section,
                                            std::string_view wanted_key) {
  if (!lookup || section != wanted_section || key != wanted_key) {
    section = wanted_section;
    key = wanted_key;
    const int fd = folders != nullptr ? folders->impl_->OpenFile(file_name)
                                      : open(file_name.c_str(), kReadFlags);
    lookup = ReadProfile(fd, section, key);
  }
  return *lookup;
}

TIniFile::TIniFile(std::string file_name, TreeFolders* folders) : impl_(std::make_unique<Impl>()) {
  impl_->file_name = std::move(file_name);
  impl_->folders = folders;
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
