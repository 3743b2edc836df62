#include <windows.h>

#include "platform/exceptions.h"
#include "platform/text_file.h"

namespace treepage {
namespace {

// The bytes are handed to the system in blocks of this size as they fill, and
// the rest at the close.
constexpr std::size_t kBlockSize = 128;

[[noreturn]] void RaiseLastError() { RaiseInOutError(static_cast<int>(GetLastError())); }

HANDLE AsHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

TextFile::TextFile(std::string name) : name_(std::move(name)) {}

void TextFile::Rewrite() {
  const HANDLE handle = CreateFileA(name_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) RaiseLastError();
  handle_ = reinterpret_cast<std::intptr_t>(handle);
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
