// Where the shell's Windows-side tests find the resident program: built
// at the top of the build folder, with the test in <build>/tests/wine/.
#pragma once

#include <string>

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

}  // namespace qvtest
