// A FileSearch that owns its find handle and hands out the first entry,
// which the system returns with the handle, before asking for more.
#include "platform/win32/win32_files.h"

#include <cstring>
#include <memory>
#include <utility>

#include "platform/constants.h"
#include "platform/win32/code_page.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_api.h"

namespace qv {
namespace {

void CopyEntry(const WIN32_FIND_DATAA& data, FileEntry& entry) {
  static_assert(sizeof(entry.name) == sizeof(data.cFileName), "file names share the system's limit");
  // The system fills the whole array when a long name does not fit its ANSI
  // form, possibly ending inside a character: cut at a character boundary.
  const std::size_t length = ::strnlen(data.cFileName, sizeof(data.cFileName));
  const std::size_t kept = MultiBytePrefixLength(CP_ACP, data.cFileName, length, sizeof(entry.name) - 1);
  std::memcpy(entry.name, data.cFileName, kept);
  entry.name[kept] = '\0';
  entry.attributes = data.dwFileAttributes;
}

class Win32FileSearch final : public FileSearch {
 public:
  Win32FileSearch(FindHandle handle, const WIN32_FIND_DATAA& first)
      : handle_(std::move(handle)), pending_(first) {}

  bool Next(FileEntry& entry) override {
    if (havePending_) {
      havePending_ = false;
      CopyEntry(pending_, entry);
      return true;
    }
    WIN32_FIND_DATAA data;
    if (!::FindNextFileA(handle_.get(), &data)) return false;
    CopyEntry(data, entry);
    return true;
  }

 private:
  FindHandle handle_;
  WIN32_FIND_DATAA pending_;
  bool havePending_ = true;
};

// The outcome of a file function that returned `ok`, from the thread's last error.
Status Outcome(BOOL ok) {
  if (ok) return Status::Ok;
  const DWORD error = ::GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Status::NotFound
                                                                         : Status::Failed;
}

}  // namespace

Status Win32Files::Copy(const char* from, const char* to) {
  return Outcome(::CopyFileA(from, to, FALSE));
}

Status Win32Files::Remove(const char* path) { return Outcome(::DeleteFileA(path)); }

Status Win32Files::CreateFolder(const char* path) {
  return Outcome(::CreateDirectoryA(path, nullptr));
}

Status Win32Files::RemoveFolder(const char* path) { return Outcome(::RemoveDirectoryA(path)); }

Status Win32Files::SetCurrentFolder(const char* path) {
  return Outcome(::SetCurrentDirectoryA(path));
}

std::unique_ptr<FileSearch> Win32Files::Find(const char* pattern) {
  if (pattern == nullptr || std::strlen(pattern) >= kMaxPath) return nullptr;
  WIN32_FIND_DATAA first;
  FindHandle handle(::FindFirstFileA(pattern, &first));
  if (!handle) return nullptr;
  return std::make_unique<Win32FileSearch>(std::move(handle), first);
}

}  // namespace qv
