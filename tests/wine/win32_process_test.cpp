// The process port: the single-instance mutex, the program path and the
// version word, against the real system.
#include <cctype>
#include <cstdio>
#include <cstring>

#include "platform/constants.h"
#include "platform/win32/win32_process.h"
#include "tests/wine/check.h"

namespace {

bool EndsWithNoCase(const char* text, const char* tail) {
  const std::size_t n = std::strlen(text);
  const std::size_t m = std::strlen(tail);
  if (m > n) return false;
  for (std::size_t i = 0; i < m; ++i) {
    if (std::tolower(static_cast<unsigned char>(text[n - m + i])) !=
        std::tolower(static_cast<unsigned char>(tail[i]))) {
      return false;
    }
  }
  return true;
}

TEST_CASE(the_instance_mutex_exists_while_held_and_not_after_release) {
  qv::Win32Process process;
  char name[64];
  std::snprintf(name, sizeof(name), "QvWineTestMutex%lu", ::GetCurrentProcessId());
  CHECK(!process.MutexExists(name));
  CHECK(process.CreateInstanceMutex(name) == qv::Status::Ok);
  CHECK(process.MutexExists(name));
  // Asking does not take it away.
  CHECK(process.MutexExists(name));
  // A second one while the first is held is refused.
  CHECK(process.CreateInstanceMutex(name) == qv::Status::Failed);
  process.ReleaseInstanceMutex();
  CHECK(!process.MutexExists(name));
  // And it can be taken again.
  CHECK(process.CreateInstanceMutex(name) == qv::Status::Ok);
  CHECK(process.MutexExists(name));
}

TEST_CASE(a_mutex_held_by_another_owner_is_seen) {
  qv::Win32Process first;
  qv::Win32Process second;
  CHECK(first.CreateInstanceMutex("QvWineTestShared") == qv::Status::Ok);
  CHECK(second.MutexExists("QvWineTestShared"));
  first.ReleaseInstanceMutex();
  CHECK(!second.MutexExists("QvWineTestShared"));
}

TEST_CASE(module_path_is_the_full_path_of_this_program) {
  qv::Win32Process process;
  char path[qv::kMaxPath] = {};
  CHECK(process.ModulePath(path, sizeof(path)) == qv::Status::Ok);
  CHECK(EndsWithNoCase(path, "\\win32_process_test.exe"));
  CHECK(path[1] == ':' || (path[0] == '\\' && path[1] == '\\'));
}

TEST_CASE(module_path_that_does_not_fit_is_too_large) {
  qv::Win32Process process;
  char full[qv::kMaxPath] = {};
  CHECK(process.ModulePath(full, sizeof(full)) == qv::Status::Ok);
  const std::size_t length = std::strlen(full);
  char small[8];
  std::memset(small, 'x', sizeof(small));
  CHECK(process.ModulePath(small, sizeof(small)) == qv::Status::TooLarge);
  CHECK_EQ(small[0], '\0');
  // Room for the path but not its terminator is still too small.
  char exact[qv::kMaxPath];
  CHECK(process.ModulePath(exact, length) == qv::Status::TooLarge);
  CHECK(process.ModulePath(exact, length + 1) == qv::Status::Ok);
  CHECK(std::strcmp(exact, full) == 0);
  CHECK(process.ModulePath(exact, 0) == qv::Status::TooLarge);
}

TEST_CASE(version_word_has_the_system_layout) {
  qv::Win32Process process;
  const std::uint32_t version = process.VersionWord();
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof(info);
  CHECK(::GetVersionExA(&info));
  // Major version in the low byte, minor in the next; NT family has the top bit clear.
  CHECK_EQ(version & 0xFFu, info.dwMajorVersion);
  CHECK_EQ((version >> 8) & 0xFFu, info.dwMinorVersion);
  CHECK_EQ(version & qv::kVersion9xBit, 0u);
}

}  // namespace

RUN_TESTS()
