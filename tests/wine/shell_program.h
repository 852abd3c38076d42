// Where the shell's Windows-side tests find the resident program: built
// at the top of the build folder, with the test in <build>/tests/wine/.
#pragma once

#include <string>

#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_api.h"

namespace qvtest {

inline std::wstring ResidentProgramPath() {
  wchar_t self[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring dir(self);
  dir.erase(dir.find_last_of(L"\\/") + 1);
  const std::wstring relative = dir + L"..\\..\\Quorvantix.exe";
  wchar_t full[MAX_PATH] = {};
  ::GetFullPathNameW(relative.c_str(), MAX_PATH, full, nullptr);
  return full;
}

// A copy of the resident program started with `arguments` after its quoted
// path (each argument with its leading space).
struct StartedProgram {
  qv::KernelHandle process;
  DWORD id = 0;
  bool ok = false;
};

inline StartedProgram StartResidentProgram(const std::wstring& arguments) {
  StartedProgram started;
  const std::wstring program = ResidentProgramPath();
  std::wstring commandLine = L"\"" + program + L"\"" + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  started.ok = ::CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0,
                                nullptr, nullptr, &startup, &info) != FALSE;
  if (started.ok) {
    started.process.reset(info.hProcess);
    started.id = info.dwProcessId;
    qv::KernelHandle thread(info.hThread);
  }
  return started;
}

}  // namespace qvtest
