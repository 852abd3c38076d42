// Folder searches through FindFirstFileA / FindNextFileA.
#pragma once

#include "platform/files.h"

namespace qv {

class Win32Files final : public Files {
 public:
  // Null for a pattern of kMaxPath bytes or more, without asking the system.
  std::unique_ptr<FileSearch> Find(const char* pattern) override;
};

}  // namespace qv
