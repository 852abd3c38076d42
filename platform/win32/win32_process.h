// The process: the single-instance mutex, the program's path, the version word.
#pragma once

#include "platform/process.h"
#include "platform/win32/unique_handle.h"

namespace qv {

class Win32Process final : public Process {
 public:
  bool MutexExists(const char* name) override;
  // Fails when this object already holds a mutex, or the system refuses.
  Status CreateInstanceMutex(const char* name) override;
  void ReleaseInstanceMutex() override;
  // TooLarge (and an empty text) when the path does not fit `capacity`.
  Status ModulePath(char* path, std::size_t capacity) override;
  std::uint32_t VersionWord() override;
  void Wait(std::uint32_t ms) override;

 private:
  KernelHandle instanceMutex_;
};

}  // namespace qv
