#include "platform/profile_parser.h"

#include <algorithm>

#include "text/ascii_case.h"
#include "text/utf8.h"

namespace treepage {
namespace {

constexpr std::uint32_t kReplacementCharacter = 0xFFFD;

// As the Windows profile functions see blanks: form feed and Ctrl-Z too.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1A'; }

bool NameIs(const TrimmedText& name, std::string_view wanted) {
  return name.length() == wanted.size() && EqualsIgnoringAsciiCase(name.kept(), wanted);
}

// A value loses one pair of matching quotes around it, then everything from a
// NUL on, then whatever lies beyond the longest value.
std::string FinishValue(TrimmedText& value) {
  const std::size_t length = value.length();
  const char last = value.last();
  std::string text = value.TakeKept();
  if (length >= 2 && (text.front() == '"' || text.front() == '\'') && last == text.front()) {
    text.erase(0, 1);
    text.resize(std::min(text.size(), length - 2));
  }
  text.resize(std::min({text.size(), text.find('\0'), kMaxProfileValue}));
  return text;
}

}  // namespace

TrimmedText::TrimmedText(std::size_t limit) : limit_(limit) {}

void TrimmedText::Clear() {
  kept_.clear();
  count_ = 0;
  length_ = 0;
  last_ = 0;
}

std::string TrimmedText::TakeKept() {
  kept_.resize(std::min(kept_.size(), length_));
  return std::move(kept_);
}

void TrimmedText::Add(std::string_view text) {
  if (count_ == 0) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    if (text.empty()) return;
  }
  const std::string_view keep = text.substr(0, limit_ - kept_.size());
  if (kept_.size() + keep.size() > kept_.capacity()) {
    // Kept text rarely outgrows a short web address: room for one, at once.
    kept_.reserve(std::max(kept_.size() + keep.size(), std::min<std::size_t>(limit_, 256)));
  }
  kept_.append(keep);
  for (std::size_t i = text.size(); i > 0; --i) {
    if (!IsBlank(text[i - 1])) {
      length_ = count_ + i;
      last_ = text[i - 1];
      break;
    }
  }
  count_ += text.size();
}

// A value keeps one byte more than the longest value, for a leading quote.
ProfileScanner::ProfileScanner(std::string_view section, std::string_view key)
    : section_(section),
      key_(key),
      name_(std::max(section.size(), key.size())),
      value_(kMaxProfileValue + 1) {}

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
  if (!settled_) EndLine();
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
    const std::uint32_t first = static_cast<unsigned char>(utf16_unit_[0]);
    const std::uint32_t second = static_cast<unsigned char>(utf16_unit_[1]);
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
  std::string utf8;
  AppendUtf8(utf8, code_point);
  FeedText(utf8);
}

// Lines end at LF, CR or CR LF. Within a line, bytes are taken in runs up to
// the next byte that matters to the part of the line under way.
void ProfileScanner::FeedText(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && !settled_) {
    const char c = text[pos];
    if (after_cr_) {
      after_cr_ = false;
      if (c == '\n') {
        ++pos;
        continue;
      }
    }
    if (c == '\r' || c == '\n') {
      EndLine();
      after_cr_ = c == '\r';
      ++pos;
      continue;
    }
    if (part_ == LinePart::kStart) {
      StartLine(c);
      ++pos;
      continue;
    }
    const char end_of_part = part_ == LinePart::kSectionName ? ']'
                             : part_ == LinePart::kEntryName ? '='
                                                             : '\n';
    std::size_t end = pos;
    while (end < text.size() && text[end] != end_of_part && text[end] != '\r' &&
           text[end] != '\n') {
      ++end;
    }
    const std::string_view run = text.substr(pos, end - pos);
    pos = end;
    switch (part_) {
      case LinePart::kSectionName:
        name_.Add(run);
        if (pos < text.size() && text[pos] == ']') {
          EndSectionName();
          ++pos;
        }
        break;
      case LinePart::kEntryName:
        name_.Add(run);
        if (pos < text.size() && text[pos] == '=') {
          EndEntryName();
          ++pos;
        }
        break;
      case LinePart::kValue:
        value_.Add(run);
        break;
      case LinePart::kStart:
      case LinePart::kSkip:
        break;
    }
  }
}

// The first byte of a line that is not blank tells what the line is.
void ProfileScanner::StartLine(char c) {
  if (IsBlank(c)) return;
  name_.Clear();
  if (c == '[') {
    part_ = LinePart::kSectionName;
  } else if (c == ';' || !in_section_) {
    part_ = LinePart::kSkip;
  } else if (c == '=') {
    part_ = LinePart::kEntryName;
    EndEntryName();
  } else {
    name_.Add(std::string_view(&c, 1));
    part_ = LinePart::kEntryName;
  }
}

// Text after the "]" of a section line is ignored.
void ProfileScanner::EndSectionName() {
  part_ = LinePart::kSkip;
  if (in_section_) {
    // Only the first section of the name is read.
    in_section_ = false;
    settled_ = true;
    return;
  }
  in_section_ = NameIs(name_, section_);
}

// An "=" ends the name: the key is listed, and the first entry of the name
// gives the value.
void ProfileScanner::EndEntryName() {
  part_ = LinePart::kSkip;
  if (!NameIs(name_, key_)) return;
  if (name_.length() != 0) result_.key_listed = true;
  if (!entry_seen_) {
    entry_seen_ = true;
    value_.Clear();
    part_ = LinePart::kValue;
  }
}

void ProfileScanner::EndLine() {
  switch (part_) {
    case LinePart::kSectionName:
      EndSectionName();
      break;
    case LinePart::kEntryName:
      // An entry without "=": it has a name but no value.
      if (NameIs(name_, key_)) entry_seen_ = true;
      break;
    case LinePart::kValue:
      result_.value = FinishValue(value_);
      break;
    case LinePart::kStart:
    case LinePart::kSkip:
      break;
  }
  part_ = LinePart::kStart;
  if (result_.key_listed) settled_ = true;
}

ProfileLookup LookUpProfileKey(std::string_view text, std::string_view section,
                               std::string_view key) {
  ProfileScanner scanner(section, key);
  scanner.Feed(text);
  scanner.Finish();
  return scanner.TakeResult();
}

}  // namespace treepage
