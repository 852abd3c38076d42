// Checks the ground every Windows-side test stands on: the prefix the runner
// made has a per-user registry that can be written, the programs see a code
// page other than 932, and the artefacts folder is handed over and writable.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/win32/win32_api.h"
#include "tests/wine/check.h"

namespace {

const char kKey[] = "Software\\QvHarnessTest";

TEST_CASE(CurrentUserRegistryIsWritable) {
  HKEY key = nullptr;
  CHECK_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                           nullptr),
           ERROR_SUCCESS);
  if (!key) return;
  const DWORD written = 0x12345678;
  CHECK_EQ(RegSetValueExA(key, "Probe", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&written),
                          sizeof written),
           ERROR_SUCCESS);
  DWORD read = 0;
  DWORD size = sizeof read;
  DWORD type = 0;
  CHECK_EQ(RegQueryValueExA(key, "Probe", nullptr, &type, reinterpret_cast<BYTE*>(&read), &size),
           ERROR_SUCCESS);
  CHECK_EQ(type, static_cast<DWORD>(REG_DWORD));
  CHECK_EQ(read, written);
  RegCloseKey(key);
  CHECK_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, kKey), ERROR_SUCCESS);
}

TEST_CASE(SystemCodePageIsNotShiftJis) {
  // The programs must read right where the system's code page is not 932.
  std::printf("  ANSI code page %u, OEM code page %u\n", GetACP(), GetOEMCP());
  CHECK(GetACP() != 932);
  // ...and still convert their own text from 932.
  CPINFO info;
  CHECK(GetCPInfo(932, &info));
  wchar_t wide[4] = {};
  const char kana[] = "\x83\x41";  // katakana A in Shift-JIS
  CHECK_EQ(MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, kana, -1, wide, 4), 2);
  CHECK_EQ(wide[0], static_cast<wchar_t>(0x30A2));
}

TEST_CASE(ArtifactsFolderIsHandedOverAndWritable) {
  const char* dir = std::getenv("QV_ARTIFACTS");
  CHECK(dir != nullptr);
  if (!dir) return;
  CHECK_EQ(GetFileAttributesA(dir) & FILE_ATTRIBUTE_DIRECTORY,
           static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
  const std::string path = std::string(dir) + "\\harness_test.txt";
  std::FILE* file = std::fopen(path.c_str(), "wb");
  CHECK(file != nullptr);
  if (!file) return;
  CHECK_EQ(std::fputs("ok\n", file) >= 0, true);
  std::fclose(file);
  CHECK(DeleteFileA(path.c_str()));
}

}  // namespace

RUN_TESTS()
