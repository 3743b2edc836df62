#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

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

// The whole listing of a folder, read at the first search: every name in
// one buffer, and the listing's order over them.
struct SearchState {
  struct Name {
    std::size_t offset;
    std::size_t length;
    std::uint32_t attributes;
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

class Directory {
 public:
  // An empty folder path names the current folder.
  explicit Directory(std::string_view path)
      : dir_(opendir(path.empty() ? "." : std::string(path).c_str())) {}
  ~Directory() {
    if (dir_ != nullptr) closedir(dir_);
  }
  Directory(const Directory&) = delete;
  Directory& operator=(const Directory&) = delete;

  DIR* get() const { return dir_; }

 private:
  DIR* dir_;
};

// Windows attributes for one name; none when the name cannot be examined
// (a dangling link, say), which keeps it out of the listing.
std::optional<std::uint32_t> AttributesOf(int dir_fd, const char* name, unsigned char type) {
  struct stat target;
  if (fstatat(dir_fd, name, &target, 0) != 0) return std::nullopt;
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

int FindFirst(const std::string& pattern, std::uint32_t attribute_mask, TSearchRec& rec) {
  rec.state.reset();
  std::string_view folder = pattern;
  if (folder.ends_with(kAllNames)) folder.remove_suffix(kAllNames.size());

  Directory directory(folder);
  if (directory.get() == nullptr) return WindowsErrorCode(errno);
  const int dir_fd = dirfd(directory.get());
  const std::uint32_t excluded = ~attribute_mask & (kFaHidden | kFaSysFile | kFaDirectory);

  auto state = std::make_unique<SearchState>();
  auto add = [&state](std::string_view name, std::uint32_t attributes) {
    state->listing.push_back({state->names.size(), name.size(), attributes});
    state->names += name;
  };
  for (const char* dot : {".", ".."}) {
    const std::uint32_t attributes =
        AttributesOf(dir_fd, dot, DT_DIR).value_or(kFaDirectory | kFaHidden);
    if ((attributes & excluded) == 0) add(dot, attributes);
  }
  const std::size_t dots = state->listing.size();
  errno = 0;
  while (const dirent* entry = readdir(directory.get())) {
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    const auto attributes = AttributesOf(dir_fd, entry->d_name, entry->d_type);
    if (attributes && (*attributes & excluded) == 0) add(name, *attributes);
  }
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

int FindNext(TSearchRec& rec) {
  if (rec.state == nullptr || !Deliver(rec)) return kErrorNoMoreFiles;
  return 0;
}

void FindClose(TSearchRec& rec) { rec.state.reset(); }

}  // namespace treepage
