// Folder searches through FindFirstFileA / FindNextFileA, and the ANSI file
// and folder functions.
#pragma once

#include "platform/files.h"

namespace qv {

class Win32Files final : public Files {
 public:
  // Null for a pattern of kMaxPath bytes or more, without asking the system.
  std::unique_ptr<FileSearch> Find(const char* pattern) override;
  Status Copy(const char* from, const char* to) override;
  Status Remove(const char* path) override;
  Status CreateFolder(const char* path) override;
  Status RemoveFolder(const char* path) override;
  Status SetCurrentFolder(const char* path) override;
};

}  // namespace qv
