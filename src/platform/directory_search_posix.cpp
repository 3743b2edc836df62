#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/directory_search.h"
#include "platform/posix_error.h"
#include "text/ascii_case.h"

namespace treepage {

// A folder as the system knows it, whatever path leads there.
struct FolderIdentity {
  dev_t device = 0;
  ino_t inode = 0;

  bool operator==(const FolderIdentity&) const = default;
};

// The whole listing of a folder, read at the first search: every name in
// one buffer, and the listing's order over them.
struct SearchState {
  struct Name {
    std::size_t offset;
    std::size_t length;
    std::uint32_t attributes;
    FolderIdentity identity;  // what the name led to when it was listed
  };

  std::string_view NameAt(const Name& name) const {
    return std::string_view(names).substr(name.offset, name.length);
  }

  std::string names;
  std::vector<Name> listing;
  std::size_t next = 0;
};

TSearchRec::TSearchRec() = default;
TSearchRec::~TSearchRec() = default;

namespace {

constexpr std::string_view kAllNames = "*.*";

// The folder a search pattern names: an empty folder path is the current
// folder, and a final "/" is dropped, since it would make the system follow
// a link in the last part.
std::string FolderOfPattern(std::string_view pattern) {
  if (pattern.ends_with(kAllNames)) pattern.remove_suffix(kAllNames.size());
  while (pattern.size() > 1 && pattern.ends_with('/')) pattern.remove_suffix(1);
  return pattern.empty() ? std::string(".") : std::string(pattern);
}

// Windows attributes for one name; none when the name cannot be examined
// (a dangling link, say), which keeps it out of the listing.
std::optional<std::uint32_t> AttributesOf(int dir_fd, const char* name, unsigned char type,
                                          FolderIdentity& identity) {
  struct stat target;
  if (fstatat(dir_fd, name, &target, 0) != 0) return std::nullopt;
  identity = {target.st_dev, target.st_ino};
  std::uint32_t attributes = S_ISDIR(target.st_mode) ? kFaDirectory : kFaArchive;
  if ((target.st_mode & 0222) == 0) attributes |= kFaReadOnly;
  if (name[0] == '.') attributes |= kFaHidden;
  if (S_ISDIR(target.st_mode) && (type == DT_LNK || type == DT_UNKNOWN)) {
    struct stat link;
    if (fstatat(dir_fd, name, &link, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(link.st_mode)) {
      attributes |= kFaReparsePoint;
    }
  }
  return attributes;
}

// Names come in the order of their bytes with ASCII letters upper-cased;
// names equal under that rule fall back to plain byte order.
bool ListedBefore(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const auto ua = static_cast<unsigned char>(AsciiUpper(a[i]));
    const auto ub = static_cast<unsigned char>(AsciiUpper(b[i]));
    if (ua != ub) return ua < ub;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

bool Deliver(TSearchRec& rec) {
  SearchState& state = *rec.state;
  if (state.next == state.listing.size()) return false;
  const SearchState::Name& name = state.listing[state.next++];
  rec.Name.assign(state.NameAt(name));
  rec.Attr = name.attributes;
  return true;
}

}  // namespace

namespace {

// Reads the whole listing of the open folder `fd` into `rec`.
int ListFolder(int fd, std::uint32_t attribute_mask, TSearchRec& rec) {
  DIR* const directory = fdopendir(fd);
  if (directory == nullptr) {
    const int error = errno;
    close(fd);
    return WindowsErrorCode(error);
  }
  const std::uint32_t excluded = ~attribute_mask & (kFaHidden | kFaSysFile | kFaDirectory);

  auto state = std::make_unique<SearchState>();
  auto add = [&state](std::string_view name, std::uint32_t attributes, FolderIdentity identity) {
    state->listing.push_back({state->names.size(), name.size(), attributes, identity});
    state->names += name;
  };
  FolderIdentity identity;
  for (const char* dot : {".", ".."}) {
    const std::uint32_t attributes =
        AttributesOf(fd, dot, DT_DIR, identity).value_or(kFaDirectory | kFaHidden);
    if ((attributes & excluded) == 0) add(dot, attributes, identity);
  }
  const std::size_t dots = state->listing.size();
  errno = 0;
  while (const dirent* entry = readdir(directory)) {
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    const auto attributes = AttributesOf(fd, entry->d_name, entry->d_type, identity);
    if (attributes && (*attributes & excluded) == 0) add(name, *attributes, identity);
  }
  closedir(directory);
  std::sort(state->listing.begin() + static_cast<std::ptrdiff_t>(dots), state->listing.end(),
            [&state](const SearchState::Name& a, const SearchState::Name& b) {
              return ListedBefore(state->NameAt(a), state->NameAt(b));
            });

  rec.state = std::move(state);
  if (!Deliver(rec)) {
    rec.state.reset();
    return kErrorNoMoreFiles;
  }
  return 0;
}

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

}  // namespace

int FindFirst(const std::string& pattern, std::uint32_t attribute_mask, TSearchRec& rec) {
  rec.state.reset();
  const int fd = open(FolderOfPattern(pattern).c_str(), kFolderFlags);
  if (fd < 0) return WindowsErrorCode(errno);
  return ListFolder(fd, attribute_mask, rec);
}

// The folder is opened by its path, without following a link in its last
// part, and must be the very folder that the parent's listing found, as its
// device and inode tell. The parent's own listing was checked the same way,
// so a folder swapped anywhere on the path since leads elsewhere and is not
// read.
int FindFirstBelow(const TSearchRec& parent, const std::string& pattern,
                   std::uint32_t attribute_mask, TSearchRec& rec) {
  rec.state.reset();
  if (parent.state == nullptr || parent.state->next == 0) return kErrorPathNotFound;
  const FolderIdentity listed = parent.state->listing[parent.state->next - 1].identity;
  const int fd = open(FolderOfPattern(pattern).c_str(), kFolderFlags | O_NOFOLLOW);
  if (fd < 0) return WindowsErrorCode(errno);
  struct stat status;
  if (fstat(fd, &status) != 0 || FolderIdentity{status.st_dev, status.st_ino} != listed) {
    close(fd);
    return kErrorPathNotFound;
  }
  return ListFolder(fd, attribute_mask, rec);
}

int FindNext(TSearchRec& rec) {
  if (rec.state == nullptr || !Deliver(rec)) return kErrorNoMoreFiles;
  return 0;
}

void FindClose(TSearchRec& rec) { rec.state.reset(); }

}  // namespace treepage
