#include "platform/profile_parser.h"

#include <algorithm>

namespace treepage {
namespace {

constexpr std::string_view kBlanks = " \t\v";
constexpr std::uint32_t kReplacementCharacter = 0xFFFD;

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

// A value loses one pair of matching quotes around it, then everything from a
// NUL on, then whatever lies beyond the longest value.
std::string FinishValue(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  value = value.substr(0, value.find('\0'));
  return std::string(value.substr(0, kMaxProfileValue));
}

}  // namespace

ProfileScanner::ProfileScanner(std::string_view section, std::string_view key)
    : section_(section), key_(key) {}

void ProfileScanner::Feed(std::string_view bytes) {
  if (settled_) return;
  if (encoding_ == Encoding::kUndecided) {
    const std::size_t take = std::min(bytes.size(), 3 - head_.size());
    head_.append(bytes.substr(0, take));
    bytes.remove_prefix(take);
    if (head_.size() < 3) return;
    DecideEncoding();
  }
  FeedDecoded(bytes);
}

void ProfileScanner::Finish() {
  if (encoding_ == Encoding::kUndecided) DecideEncoding();
  if (high_surrogate_ != 0) AppendCodePoint(kReplacementCharacter);
  high_surrogate_ = 0;
  if (!line_.empty()) EndLine();
  settled_ = true;
}

void ProfileScanner::DecideEncoding() {
  std::string head = std::move(head_);
  std::string_view rest = head;
  if (rest.starts_with("\xFF\xFE")) {
    encoding_ = Encoding::kUtf16Le;
    rest.remove_prefix(2);
  } else if (rest.starts_with("\xFE\xFF")) {
    encoding_ = Encoding::kUtf16Be;
    rest.remove_prefix(2);
  } else {
    encoding_ = Encoding::kBytes;
    if (rest.starts_with("\xEF\xBB\xBF")) rest.remove_prefix(3);
  }
  FeedDecoded(rest);
}

void ProfileScanner::FeedDecoded(std::string_view bytes) {
  if (encoding_ == Encoding::kBytes) {
    FeedText(bytes);
  } else {
    FeedUtf16(bytes);
  }
}

void ProfileScanner::FeedUtf16(std::string_view bytes) {
  for (char byte : bytes) {
    if (settled_) return;
    utf16_unit_.push_back(byte);
    if (utf16_unit_.size() < 2) continue;
    const auto first = static_cast<unsigned char>(utf16_unit_[0]);
    const auto second = static_cast<unsigned char>(utf16_unit_[1]);
    utf16_unit_.clear();
    const std::uint32_t unit =
        encoding_ == Encoding::kUtf16Le ? (second << 8u) | first : (first << 8u) | second;

    if (high_surrogate_ != 0) {
      const std::uint32_t high = high_surrogate_;
      high_surrogate_ = 0;
      if (unit >= 0xDC00 && unit <= 0xDFFF) {
        AppendCodePoint(0x10000 + ((high - 0xD800) << 10u) + (unit - 0xDC00));
        continue;
      }
      AppendCodePoint(kReplacementCharacter);
    }
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      high_surrogate_ = unit;
    } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
      AppendCodePoint(kReplacementCharacter);
    } else {
      AppendCodePoint(unit);
    }
  }
}

void ProfileScanner::AppendCodePoint(std::uint32_t code_point) {
  char utf8[4];
  std::size_t length;
  if (code_point < 0x80) {
    utf8[0] = static_cast<char>(code_point);
    length = 1;
  } else if (code_point < 0x800) {
    utf8[0] = static_cast<char>(0xC0 | (code_point >> 6));
    utf8[1] = static_cast<char>(0x80 | (code_point & 0x3F));
    length = 2;
  } else if (code_point < 0x10000) {
    utf8[0] = static_cast<char>(0xE0 | (code_point >> 12));
    utf8[1] = static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    utf8[2] = static_cast<char>(0x80 | (code_point & 0x3F));
    length = 3;
  } else {
    utf8[0] = static_cast<char>(0xF0 | (code_point >> 18));
    utf8[1] = static_cast<char>(0x80 | ((code_point >> 12) & 0x3F));
    utf8[2] = static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    utf8[3] = static_cast<char>(0x80 | (code_point & 0x3F));
    length = 4;
  }
  FeedText(std::string_view(utf8, length));
}

// Lines end at LF, CR or CR LF.
void ProfileScanner::FeedText(std::string_view text) {
  while (!text.empty() && !settled_) {
    if (after_cr_ && text.front() == '\n') text.remove_prefix(1);
    after_cr_ = false;
    const std::size_t end = text.find_first_of("\r\n");
    line_.append(text.substr(0, end));
    if (end == std::string_view::npos) return;
    after_cr_ = text[end] == '\r';
    text.remove_prefix(end + 1);
    EndLine();
  }
}

void ProfileScanner::EndLine() {
  ProcessLine(line_);
  line_.clear();
}

void ProfileScanner::ProcessLine(std::string_view raw_line) {
  const std::string_view line = Trim(raw_line);
  if (line.empty() || line.front() == ';') return;

  if (line.front() == '[') {
    if (in_section_) {
      // Only the first section of the name is read.
      in_section_ = false;
      settled_ = true;
      return;
    }
    const std::size_t close = line.find(']');
    const std::string_view name =
        Trim(close == std::string_view::npos ? line.substr(1) : line.substr(1, close - 1));
    in_section_ = EqualsIgnoringAsciiCase(name, section_);
    return;
  }
  if (!in_section_) return;

  const std::size_t equals = line.find('=');
  const bool has_value = equals != std::string_view::npos;
  const std::string_view name = has_value ? Trim(line.substr(0, equals)) : line;
  if (!EqualsIgnoringAsciiCase(name, key_)) return;
  if (has_value && !name.empty()) result_.key_listed = true;
  if (!entry_seen_) {
    entry_seen_ = true;
    if (has_value) result_.value = FinishValue(Trim(line.substr(equals + 1)));
  }
  if (result_.key_listed) settled_ = true;
}

ProfileLookup LookUpProfileKey(std::string_view text, std::string_view section,
                               std::string_view key) {
  ProfileScanner scanner(section, key);
  scanner.Feed(text);
  scanner.Finish();
  return scanner.Result();
}

}  // namespace treepage
