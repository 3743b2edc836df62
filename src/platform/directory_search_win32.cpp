#include <windows.h>

#include "platform/directory_search.h"

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
int SkipExcluded(SearchState& state, WIN32_FIND_DATAA& data) {
  while ((data.dwFileAttributes & state.excluded) != 0) {
    if (!FindNextFileA(state.handle, &data)) return static_cast<int>(GetLastError());
  }
  return 0;
}

void Take(const WIN32_FIND_DATAA& data, TSearchRec& rec) {
  rec.Attr = data.dwFileAttributes;
  rec.Name = data.cFileName;
}

}  // namespace

int FindFirst(const std::string& pattern, std::uint32_t attribute_mask, TSearchRec& rec) {
  FindClose(rec);
  WIN32_FIND_DATAA data;
  auto state = std::make_unique<SearchState>();
  state->excluded = ~attribute_mask & (kFaHidden | kFaSysFile | kFaDirectory);
  state->handle = FindFirstFileA(pattern.c_str(), &data);
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

int FindNext(TSearchRec& rec) {
  if (rec.state == nullptr) return ERROR_NO_MORE_FILES;
  WIN32_FIND_DATAA data;
  if (!FindNextFileA(rec.state->handle, &data)) return static_cast<int>(GetLastError());
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
