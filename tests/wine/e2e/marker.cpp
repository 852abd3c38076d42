// A tiny program for the end-to-end tests to have started: it writes its
// command line into the file named by the environment variable
// QV_E2E_MARKER, which it inherits from whoever started it.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_api.h"

int main() {
  const char* path = std::getenv("QV_E2E_MARKER");
  if (path == nullptr || *path == '\0') return 2;
  qv::FileHandle file(::CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return 2;
  const char* text = ::GetCommandLineA();
  DWORD written = 0;
  ::WriteFile(file.get(), text, static_cast<DWORD>(std::strlen(text)), &written, nullptr);
  return 0;
}
