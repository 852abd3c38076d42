// Port: searching folders, and the file and folder operations of an
// install. Paths are in the system's ANSI code page; a relative path is
// taken from the process's current folder.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/constants.h"
#include "platform/port.h"
#include "platform/status.h"

namespace qv {

inline constexpr std::uint32_t kFileAttributeHidden = 0x02;
inline constexpr std::uint32_t kFileAttributeSystem = 0x04;
inline constexpr std::uint32_t kFileAttributeDirectory = 0x10;

struct FileEntry {
  char name[kMaxPath] = {};
  std::uint32_t attributes = 0;
};

// One search in progress; closes itself when destroyed.
class FileSearch {
 public:
  FileSearch() = default;
  FileSearch(const FileSearch&) = delete;
  FileSearch& operator=(const FileSearch&) = delete;
  virtual ~FileSearch() = default;
  // Next entry in the order the file system lists them; false at the end.
  virtual bool Next(FileEntry& entry) = 0;
};

class Files : public Port {
 public:
  // Starts a search for a pattern such as "C:\\Folder\\*.*"; null when it
  // finds nothing (missing, empty, unreadable, or a path over the limit).
  virtual std::unique_ptr<FileSearch> Find(const char* pattern) = 0;

  // Copies a file, replacing a file of that name at `to`.
  virtual Status Copy(const char* from, const char* to) = 0;
  // Deletes one file (never a folder).
  virtual Status Remove(const char* path) = 0;
  // Makes one folder in an existing one; Failed when it exists already.
  virtual Status CreateFolder(const char* path) = 0;
  // Removes one folder, and only when it is empty.
  virtual Status RemoveFolder(const char* path) = 0;
  // The folder relative paths are taken from, for the whole process.
  virtual Status SetCurrentFolder(const char* path) = 0;
};

}  // namespace qv
