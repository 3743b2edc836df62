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

// Looks up one key of one section in profile (INI) text that arrives in
// pieces of any size. Section and key names match without regard to ASCII
// case, and only the first section of the name is read. Holds one line of
// text at a time.
class ProfileScanner {
 public:
  ProfileScanner(std::string_view section, std::string_view key);

  void Feed(std::string_view bytes);
  // Ends the text: a last line without a line end still counts.
  void Finish();

  // No later text can change the lookup; the caller may stop feeding.
  bool Settled() const { return settled_; }
  const ProfileLookup& Result() const { return result_; }

 private:
  enum class Encoding { kUndecided, kBytes, kUtf16Le, kUtf16Be };

  void DecideEncoding();
  void FeedDecoded(std::string_view bytes);
  void FeedUtf16(std::string_view bytes);
  void AppendCodePoint(std::uint32_t code_point);
  void FeedText(std::string_view text);
  void EndLine();
  void ProcessLine(std::string_view line);

  std::string section_;
  std::string key_;
  ProfileLookup result_;
  bool settled_ = false;

  Encoding encoding_ = Encoding::kUndecided;
  std::string head_;  // the first bytes, until the byte-order mark is known
  std::string utf16_unit_;
  std::uint32_t high_surrogate_ = 0;

  std::string line_;
  bool after_cr_ = false;
  bool in_section_ = false;
  bool entry_seen_ = false;
};

// The lookup over a whole text at once.
ProfileLookup LookUpProfileKey(std::string_view text, std::string_view section,
                               std::string_view key);

}  // namespace treepage
