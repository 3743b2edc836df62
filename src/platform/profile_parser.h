#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace treepage {

// Longest value a profile read returns; longer values are cut.
inline constexpr std::size_t kMaxProfileValue = 2047;

// What profile text says about one key of one section.
struct ProfileLookup {
  // The section lists the key among the names of its "name=value" lines.
  bool key_listed = false;
  // The value of the section's first entry of that name; none when there is
  // no such entry or it has no "=".
  std::optional<std::string> value;

  bool operator==(const ProfileLookup&) const = default;
};

// Text between two points of a line with blanks trimmed from both ends, of
// which only the first `limit` bytes are kept: enough to compare a name or
// to cut a value, however long the line.
class TrimmedText {
 public:
  explicit TrimmedText(std::size_t limit);

  void Clear();
  void Add(std::string_view text);
  // Hands over the kept text, emptied of what lies beyond the trimmed end.
  std::string TakeKept();

  // The length of the trimmed text, and as much of it as was kept.
  std::size_t length() const { return length_; }
  std::string_view kept() const { return std::string_view(kept_).substr(0, length_); }
  char last() const { return last_; }

 private:
  std::size_t limit_;
  std::string kept_;
  std::size_t count_ = 0;   // bytes since the first that is not blank
  std::size_t length_ = 0;  // up to the last byte that is not blank
  char last_ = 0;
};

// Looks up one key of one section in profile (INI) text that arrives in
// pieces of any size. Section and key names match without regard to ASCII
// case, and only the first section of the name is read. Memory stays small
// however long the text or its lines.
class ProfileScanner {
 public:
  // The names are kept as views: they must outlive the scanner.
  ProfileScanner(std::string_view section, std::string_view key);

  void Feed(std::string_view bytes);
  // Ends the text: a last line without a line end still counts.
  void Finish();

  // No later text can change the lookup; the caller may stop feeding.
  bool Settled() const { return settled_; }
  const ProfileLookup& Result() const { return result_; }
  ProfileLookup TakeResult() { return std::move(result_); }

 private:
  enum class Encoding { kUndecided, kBytes, kUtf16Le, kUtf16Be };

  void DecideEncoding();
  void FeedDecoded(std::string_view bytes);
  void FeedUtf16(std::string_view bytes);
  void AppendCodePoint(std::uint32_t code_point);
  void FeedText(std::string_view text);
  void StartLine(char c);
  void EndSectionName();
  void EndEntryName();
  void EndLine();

  std::string_view section_;
  std::string_view key_;
  ProfileLookup result_;
  bool settled_ = false;

  Encoding encoding_ = Encoding::kUndecided;
  std::string head_;  // the first bytes, until the byte-order mark is known
  std::string utf16_unit_;
  std::uint32_t high_surrogate_ = 0;

  // Where the current line stands: before its first byte that is not blank,
  // in a section name, in an entry's name or value, or past all that counts.
  enum class LinePart { kStart, kSectionName, kEntryName, kValue, kSkip };
  LinePart part_ = LinePart::kStart;
  TrimmedText name_;
  TrimmedText value_;
  bool after_cr_ = false;
  bool in_section_ = false;
  bool entry_seen_ = false;
};

// The lookup over a whole text at once.
ProfileLookup LookUpProfileKey(std::string_view text, std::string_view section,
                               std::string_view key);

}  // namespace treepage
