#include <windows.h>

#include <algorithm>

#include "platform/ini_file.h"
#include "platform/wide_text_win32.h"
#include "text/ascii_case.h"

namespace treepage {

struct TIniFile::Impl {
  std::string file_name;
};

namespace {

// The key names the section lists, each ended by a NUL. The profile API
// signals a cut list by filling the buffer to its size less 2: then a
// larger buffer is tried, so that no section is too long to be searched.
std::wstring KeyNames(const std::wstring& section, const std::wstring& file_name) {
  std::wstring names(4096, L'\0');
  for (;;) {
    const DWORD size = static_cast<DWORD>(names.size());
    const DWORD length = GetPrivateProfileStringW(section.c_str(), nullptr, L"", names.data(), size,
                                                  file_name.c_str());
    if (length + 2 < size) {
      names.resize(length);
      return names;
    }
    names.resize(names.size() * 2);
  }
}

// A file too large to be a profile is not handed to the profile functions,
// which would read all of it.
bool TooLargeToRead(const std::string& file_name) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(Wide(file_name).c_str(), GetFileExInfoStandard, &data)) return false;
  const std::uint64_t size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
  return size > kMaxProfileFileSize;
}

}  // namespace

// The profile functions take paths; the folder search checks for links.
struct TreeFolders::Impl {};

TreeFolders::TreeFolders(std::string) {}
TreeFolders::~TreeFolders() = default;

TIniFile::TIniFile(std::string file_name, TreeFolders*) : impl_(std::make_unique<Impl>()) {
  impl_->file_name = std::move(file_name);
}

TIniFile::~TIniFile() = default;

bool TIniFile::ValueExists(std::string_view section, std::string_view key) {
  if (TooLargeToRead(impl_->file_name)) return false;
  const std::wstring names = KeyNames(Wide(section), Wide(impl_->file_name));
  std::wstring_view rest = names;
  while (!rest.empty()) {
    const std::wstring_view name = rest.substr(0, rest.find(L'\0'));
    if (EqualsIgnoringAsciiCase(Utf8(name), key)) return true;
    rest.remove_prefix(std::min(rest.size(), name.size() + 1));
  }
  return false;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view default_value) {
  if (TooLargeToRead(impl_->file_name)) return std::string(default_value);
  // At most 2,047 UTF-16 units and the NUL.
  wchar_t value[2048];
  const DWORD length = GetPrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(),
                                                Wide(default_value).c_str(), value, 2048,
                                                Wide(impl_->file_name).c_str());
  return Utf8(std::wstring_view(value, length));
}

}  // namespace treepage
