// Port: the process and its surroundings: the single-instance mutex, the
// program's own path and the platform version word.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/port.h"
#include "platform/status.h"

namespace qv {

class Process : public Port {
 public:
  // True when a mutex of that name exists (opened with full access and closed
  // again at once).
  virtual bool MutexExists(const char* name) = 0;
  // Creates the named mutex, not owned, and holds it until ReleaseMutex.
  virtual Status CreateInstanceMutex(const char* name) = 0;
  virtual void ReleaseInstanceMutex() = 0;
  // Full path of the program file in the ANSI code page.
  virtual Status ModulePath(char* path, std::size_t capacity) = 0;
  // The platform version word (GetVersion's layout).
  virtual std::uint32_t VersionWord() = 0;
  // Blocks the calling thread for `ms` milliseconds.
  virtual void Wait(std::uint32_t ms) = 0;
};

}  // namespace qv
