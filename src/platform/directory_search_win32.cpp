#include <windows.h>

#include "platform/directory_search.h"
#include "platform/wide_text_win32.h"

namespace treepage {

struct SearchState {
  HANDLE handle = INVALID_HANDLE_VALUE;
  std::uint32_t excluded = 0;
};

TSearchRec::TSearchRec() = default;

TSearchRec::~TSearchRec() {
  if (state != nullptr && state->handle != INVALID_HANDLE_VALUE) ::FindClose(state->handle);
}

namespace {

// Skips the names whose attributes the mask leaves out; returns 0 once
// `data` holds a name that passes, or the error code of the search.
int SkipExcluded(SearchState& state, WIN32_FIND_DATAW& data) {
  while ((data.dwFileAttributes & state.excluded) != 0) {
    if (!FindNextFileW(state.handle, &data)) return static_cast<int>(GetLastError());
  }
  return 0;
}

void Take(const WIN32_FIND_DATAW& data, TSearchRec& rec) {
  rec.Attr = data.dwFileAttributes;
  rec.Name = Utf8(data.cFileName);
}

}  // namespace

int FindFirst(const std::string& pattern, std::uint32_t attribute_mask, TSearchRec& rec) {
  FindClose(rec);
  WIN32_FIND_DATAW data;
  auto state = std::make_unique<SearchState>();
  state->excluded = ~attribute_mask & (kFaHidden | kFaSysFile | kFaDirectory);
  state->handle = FindFirstFileW(Wide(pattern).c_str(), &data);
  if (state->handle == INVALID_HANDLE_VALUE) return static_cast<int>(GetLastError());
  rec.state = std::move(state);
  const int result = SkipExcluded(*rec.state, data);
  if (result != 0) {
    FindClose(rec);
    return result;
  }
  Take(data, rec);
  return 0;
}

// Windows has no search relative to an open folder: right before the search,
// the folder is checked again to be a plain folder, not a reparse point (a
// link or junction) that was put in its place since it was listed.
int FindFirstBelow(const TSearchRec&, const std::string& pattern, std::uint32_t attribute_mask,
                   TSearchRec& rec) {
  const std::string folder = pattern.substr(0, pattern.find_last_of("\\/"));
  const DWORD attributes = GetFileAttributesW(Wide(folder).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return static_cast<int>(GetLastError());
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ||
      (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    return ERROR_PATH_NOT_FOUND;
  }
  return FindFirst(pattern, attribute_mask, rec);
}

int FindNext(TSearchRec& rec) {
  if (rec.state == nullptr) return ERROR_NO_MORE_FILES;
  WIN32_FIND_DATAW data;
  if (!FindNextFileW(rec.state->handle, &data)) return static_cast<int>(GetLastError());
  const int result = SkipExcluded(*rec.state, data);
  if (result == 0) Take(data, rec);
  return result;
}

void FindClose(TSearchRec& rec) {
  if (rec.state != nullptr && rec.state->handle != INVALID_HANDLE_VALUE) {
    ::FindClose(rec.state->handle);
  }
  rec.state.reset();
}

}  // namespace treepage
