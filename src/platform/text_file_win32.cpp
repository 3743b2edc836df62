#include <windows.h>

#include "platform/exceptions.h"
#include "platform/text_file.h"
#include "platform/wide_text_win32.h"

namespace treepage {
namespace {

// The bytes are handed to the system in blocks of this size as they fill, and
// the rest at the close.
constexpr std::size_t kBlockSize = 128;

[[noreturn]] void RaiseLastError() { RaiseInOutError(static_cast<int>(GetLastError())); }

HANDLE AsHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

// The folder part of a path with its final separator (or drive colon); empty
// for a bare name.
std::string FolderOf(const std::string& path) {
  const std::size_t end = path.find_last_of("\\/:");
  return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

// A new, empty file in `folder` under a name that no other file has.
HANDLE CreateReplacement(const std::string& folder, std::string& name) {
  for (unsigned attempt = 0;; ++attempt) {
    name = folder + ".treepage-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(attempt) + ".tmp";
    const HANDLE handle = CreateFileW(Wide(name).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS || attempt == 1000) {
      return handle;
    }
  }
}

// Whether an open file is one that a new file may replace: a file on disk
// with no further hard link (a device such as NUL is written in place).
bool Replaceable(HANDLE file) {
  if (GetFileType(file) != FILE_TYPE_DISK) return false;
  BY_HANDLE_FILE_INFORMATION information;
  return GetFileInformationByHandle(file, &information) && information.nNumberOfLinks == 1;
}

}  // namespace

TextFile::TextFile(std::string name) : name_(std::move(name)) {}

TextFile::~TextFile() {
  if (handle_ != -1) CloseHandle(AsHandle(handle_));
  if (!replacement_.empty()) DeleteFileW(Wide(replacement_).c_str());
}

void TextFile::Rewrite() {
  // The old file is opened as it stands, so that it is refused exactly as
  // creating it anew would be refused, before anything is created.
  const std::wstring name = Wide(name_);
  const HANDLE old = CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (old == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_NOT_FOUND) RaiseLastError();
  if (old != INVALID_HANDLE_VALUE) {
    handle_ = reinterpret_cast<std::intptr_t>(old);
    // Creating a file over a hidden or system one with plain attributes is
    // refused.
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0) {
      RaiseInOutError(ERROR_ACCESS_DENIED);
    }
    if (!Replaceable(old)) {
      if (GetFileType(old) == FILE_TYPE_DISK && !SetEndOfFile(old)) RaiseLastError();
      return;
    }
  }

  std::string replacement;
  const HANDLE handle = CreateReplacement(FolderOf(name_), replacement);
  if (handle == INVALID_HANDLE_VALUE) {
    if (old == INVALID_HANDLE_VALUE) RaiseLastError();
    // The folder takes no new file, but the file itself may be written.
    if (!SetEndOfFile(old)) RaiseLastError();
    return;
  }
  // The old file must be closed before it can be replaced.
  if (old != INVALID_HANDLE_VALUE) CloseHandle(old);
  handle_ = reinterpret_cast<std::intptr_t>(handle);
  replacement_ = std::move(replacement);
  replaced_ = old != INVALID_HANDLE_VALUE ? name_ : std::string();
}

void TextFile::Write(std::string_view text) {
  while (!text.empty()) {
    const std::size_t take = std::min(kBlockSize - held_back_.size(), text.size());
    held_back_.append(text.substr(0, take));
    text.remove_prefix(take);
    if (held_back_.size() == kBlockSize) WriteHeldBack();
  }
}

void TextFile::Close() {
  if (!held_back_.empty()) WriteHeldBack();
  const HANDLE handle = AsHandle(handle_);
  handle_ = -1;
  if (!CloseHandle(handle)) RaiseLastError();
  if (replacement_.empty()) return;
  // ReplaceFile keeps the old file's attributes, security and creation time.
  const std::wstring name = Wide(name_);
  const std::wstring replacement = Wide(replacement_);
  const BOOL in_place =
      replaced_.empty() ? MoveFileExW(replacement.c_str(), name.c_str(), MOVEFILE_REPLACE_EXISTING)
                        : ReplaceFileW(name.c_str(), replacement.c_str(), nullptr,
                                       REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
  if (!in_place) RaiseLastError();
  replacement_.clear();
}

void TextFile::WriteHeldBack() {
  std::string_view rest = held_back_;
  while (!rest.empty()) {
    DWORD written = 0;
    if (!WriteFile(AsHandle(handle_), rest.data(), static_cast<DWORD>(rest.size()), &written,
                   nullptr)) {
      RaiseLastError();
    }
    // A write that takes nothing without an error leaves no room on the disk.
    if (written == 0) RaiseInOutError(101);
    rest.remove_prefix(written);
  }
  held_back_.clear();
}

}  // namespace treepage
