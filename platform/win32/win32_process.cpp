// Named mutex, GetModuleFileNameA, GetVersion and Sleep behind the Process port.
#include "platform/win32/win32_process.h"

#include "platform/win32/win32_api.h"

namespace qv {

bool Win32Process::MutexExists(const char* name) {
  const KernelHandle opened(::OpenMutexA(MUTEX_ALL_ACCESS, FALSE, name));
  return opened.valid();
}

Status Win32Process::CreateInstanceMutex(const char* name) {
  if (instanceMutex_) return Status::Failed;
  instanceMutex_.reset(::CreateMutexA(nullptr, FALSE, name));
  return instanceMutex_ ? Status::Ok : Status::Failed;
}

void Win32Process::ReleaseInstanceMutex() { instanceMutex_.reset(); }

Status Win32Process::ModulePath(char* path, std::size_t capacity) {
  if (capacity == 0) return Status::TooLarge;
  const DWORD size = capacity > MAXDWORD ? MAXDWORD : static_cast<DWORD>(capacity);
  const DWORD length = ::GetModuleFileNameA(nullptr, path, size);
  if (length == 0) {
    path[0] = '\0';
    return Status::Failed;
  }
  // A path that did not fit comes back cut to the buffer's size (and, on the
  // oldest systems, without its terminator): no half path is handed on.
  if (length >= size) {
    path[0] = '\0';
    return Status::TooLarge;
  }
  return Status::Ok;
}

std::uint32_t Win32Process::VersionWord() {
#if defined(_MSC_VER)
#pragma warning(suppress : 4996)  // deprecated, but its layout is what the logic reads
#endif
  return ::GetVersion();
}

void Win32Process::Wait(std::uint32_t ms) { ::Sleep(ms); }

}  // namespace qv
