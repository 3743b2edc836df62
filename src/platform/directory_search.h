#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace treepage {

// Windows file attribute flags, as the directory search reports them.
inline constexpr std::uint32_t kFaReadOnly = 0x01;
inline constexpr std::uint32_t kFaHidden = 0x02;
inline constexpr std::uint32_t kFaSysFile = 0x04;
inline constexpr std::uint32_t kFaDirectory = 0x10;
inline constexpr std::uint32_t kFaArchive = 0x20;
inline constexpr std::uint32_t kFaReparsePoint = 0x400;
// A mask that lets every name through.
inline constexpr std::uint32_t kFaAnyFile = 0x3F;

struct SearchState;

// One result of a directory search; it also carries the open search.
struct TSearchRec {
  TSearchRec();
  ~TSearchRec();
  TSearchRec(const TSearchRec&) = delete;
  TSearchRec& operator=(const TSearchRec&) = delete;

  std::uint32_t Attr = 0;  // the complete attribute set, unmasked
  std::string Name;        // the name within its folder

  std::unique_ptr<SearchState> state;
};

// Opens a search for `pattern` (a folder, the separator and "*.*") and fills
// `rec` with the first name. Returns 0 on success, otherwise an error code
// with no search open. "." and ".." come first.
int FindFirst(const std::string& pattern, std::uint32_t attribute_mask, TSearchRec& rec);

// Opens a search for `pattern` in the folder named by the name that the open
// search `parent` delivered last, as FindFirst does, but only while that
// folder is still the plain folder the parent's listing saw: a folder that
// was swapped for a link since, here or anywhere above it, yields nothing.
int FindFirstBelow(const TSearchRec& parent, const std::string& pattern,
                   std::uint32_t attribute_mask, TSearchRec& rec);

// Fills `rec` with the next name. Returns 0 on success, otherwise an error
// code (also at the normal end of the listing).
int FindNext(TSearchRec& rec);

// Releases the search that FindFirst opened.
void FindClose(TSearchRec& rec);

}  // namespace treepage
