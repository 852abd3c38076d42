// A very small test harness for the Windows-side tests that run under Wine,
// where GoogleTest is not available: CHECK records failures, RUN_TESTS runs
// every registered case and prints "N passed, N failed".
#pragma once

#include <cstdio>
#include <cstring>

namespace qvcheck {

struct Case {
  const char* name;
  void (*run)();
  Case* next;
};

inline Case*& Head() {
  static Case* head = nullptr;
  return head;
}
inline int& Failures() {
  static int failures = 0;
  return failures;
}

struct Registrar {
  Case node;
  Registrar(const char* name, void (*run)()) : node{name, run, nullptr} {
    Case** tail = &Head();
    while (*tail) tail = &(*tail)->next;
    *tail = &node;
  }
};

inline bool Check(bool ok, const char* what, const char* file, int line) {
  if (!ok) {
    std::printf("  FAILED %s:%d: %s\n", file, line, what);
    ++Failures();
  }
  return ok;
}

inline int RunAll() {
  int passed = 0;
  int failed = 0;
  for (Case* c = Head(); c; c = c->next) {
    const int before = Failures();
    std::printf("[ RUN  ] %s\n", c->name);
    std::fflush(stdout);
    c->run();
    if (Failures() == before) {
      ++passed;
      std::printf("[  OK  ] %s\n", c->name);
    } else {
      ++failed;
      std::printf("[ FAIL ] %s\n", c->name);
    }
    std::fflush(stdout);
  }
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 && passed > 0 ? 0 : 1;
}

}  // namespace qvcheck

#define QV_CAT2(a, b) a##b
#define QV_CAT(a, b) QV_CAT2(a, b)
#define TEST_CASE(name)                                                   \
  static void QV_CAT(run_, name)();                                       \
  static ::qvcheck::Registrar QV_CAT(reg_, name)(#name, &QV_CAT(run_, name)); \
  static void QV_CAT(run_, name)()
#define CHECK(cond) ::qvcheck::Check(static_cast<bool>(cond), #cond, __FILE__, __LINE__)
#define CHECK_EQ(a, b) ::qvcheck::Check((a) == (b), #a " == " #b, __FILE__, __LINE__)
#define RUN_TESTS() \
  int main() { return ::qvcheck::RunAll(); }
