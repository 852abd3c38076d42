// The registry port against the real registry of the test prefix: typed round
// trips, the failures it maps to statuses, and deleting whole trees.
#include <cstring>

#include "platform/win32/win32_registry.h"
#include "tests/wine/check.h"

namespace {

constexpr const char* kRoot = "Software\\QvWineTests\\Registry";
constexpr const char* kKey = "Software\\QvWineTests\\Registry\\Values";

struct Fresh {
  qv::Win32Registry registry;
  Fresh() { qv::Ignore(registry.DeleteTree(qv::Hive::CurrentUser, kRoot)); }
  ~Fresh() { qv::Ignore(registry.DeleteTree(qv::Hive::CurrentUser, kRoot)); }
};

TEST_CASE(dword_and_string_round_trip_with_their_types) {
  Fresh f;
  CHECK(f.registry.SetDword(qv::Hive::CurrentUser, kKey, "PortID", 0x12345678u) == qv::Status::Ok);
  CHECK(f.registry.SetString(qv::Hive::CurrentUser, kKey, "File01", "C:\\Wave\\ding.wav") ==
        qv::Status::Ok);
  CHECK(f.registry.KeyExists(qv::Hive::CurrentUser, kKey) == qv::Status::Ok);

  qv::RegType type = qv::RegType::None;
  std::uint32_t word = 0;
  std::size_t size = 0;
  CHECK(f.registry.QueryValue(qv::Hive::CurrentUser, kKey, "PortID", type, &word, sizeof(word),
                              size) == qv::Status::Ok);
  CHECK(type == qv::RegType::Dword);
  CHECK_EQ(size, 4u);
  CHECK_EQ(word, 0x12345678u);

  char text[64] = {};
  CHECK(f.registry.QueryValue(qv::Hive::CurrentUser, kKey, "File01", type, text, sizeof(text),
                              size) == qv::Status::Ok);
  CHECK(type == qv::RegType::String);
  CHECK_EQ(size, std::strlen("C:\\Wave\\ding.wav") + 1);
  CHECK(std::strcmp(text, "C:\\Wave\\ding.wav") == 0);

  // Names are compared without regard to case; a second write replaces.
  CHECK(f.registry.SetDword(qv::Hive::CurrentUser, kKey, "portid", 7) == qv::Status::Ok);
  CHECK(f.registry.QueryValue(qv::Hive::CurrentUser, "SOFTWARE\\qvwinetests\\REGISTRY\\values",
                              "PORTID", type, &word, sizeof(word), size) == qv::Status::Ok);
  CHECK_EQ(word, 7u);
}

TEST_CASE(a_value_of_another_type_reports_the_stored_type) {
  Fresh f;
  CHECK(f.registry.SetString(qv::Hive::CurrentUser, kKey, "Speed", "20") == qv::Status::Ok);
  qv::RegType type = qv::RegType::Dword;
  char data[16] = {};
  std::size_t size = 0;
  CHECK(f.registry.QueryValue(qv::Hive::CurrentUser, kKey, "Speed", type, data, sizeof(data),
                              size) == qv::Status::Ok);
  CHECK(type == qv::RegType::String);
  CHECK_EQ(size, 3u);
}

TEST_CASE(missing_key_and_missing_value_are_not_found) {
  Fresh f;
  qv::RegType type = qv::RegType::None;
  std::uint32_t word = 0;
  std::size_t size = 0;
  CHECK(f.registry.KeyExists(qv::Hive::CurrentUser, kKey) == qv::Status::NotFound);
  CHECK(f.registry.QueryValue(qv::Hive::CurrentUser, kKey, "PortID", type, &word, sizeof(word),
                              size) == qv::Status::NotFound);
  CHECK(f.registry.SetDword(qv::Hive::CurrentUser, kKey, "Other", 1) == qv::Status::Ok);
  CHECK(f.registry.QueryValue(qv::Hive::CurrentUser, kKey, "PortID", type, &word, sizeof(word),
                              size) == qv::Status::NotFound);
}

TEST_CASE(a_value_too_long_for_the_buffer_is_too_large_and_copies_nothing) {
  Fresh f;
  constexpr char kLong[] = "0123456789";
  CHECK(f.registry.SetString(qv::Hive::CurrentUser, kKey, "AP", kLong) == qv::Status::Ok);
  char data[8];
  std::memset(data, 'x', sizeof(data));
  qv::RegType type = qv::RegType::None;
  std::size_t size = 0;
  CHECK(f.registry.QueryValue(qv::Hive::CurrentUser, kKey, "AP", type, data, sizeof(data), size) ==
        qv::Status::TooLarge);
  CHECK_EQ(size, sizeof kLong);
  bool untouched = true;
  for (char c : data) untouched = untouched && c == 'x';
  CHECK(untouched);
  // Exactly the size fits.
  char exact[sizeof kLong] = {};
  CHECK(f.registry.QueryValue(qv::Hive::CurrentUser, kKey, "AP", type, exact, sizeof(exact),
                              size) == qv::Status::Ok);
  CHECK(std::strcmp(exact, kLong) == 0);
}

TEST_CASE(delete_tree_removes_the_key_and_everything_below) {
  Fresh f;
  CHECK(f.registry.SetDword(qv::Hive::CurrentUser, "Software\\QvWineTests\\Registry\\A\\B\\C", "x",
                            1) == qv::Status::Ok);
  CHECK(f.registry.SetString(qv::Hive::CurrentUser, "Software\\QvWineTests\\Registry\\A", "y",
                             "z") == qv::Status::Ok);
  CHECK(f.registry.SetDword(qv::Hive::CurrentUser, "Software\\QvWineTests\\Registry\\Keep", "k",
                            2) == qv::Status::Ok);
  CHECK(f.registry.DeleteTree(qv::Hive::CurrentUser, "Software\\QvWineTests\\Registry\\A") ==
        qv::Status::Ok);
  CHECK(f.registry.KeyExists(qv::Hive::CurrentUser, "Software\\QvWineTests\\Registry\\A") ==
        qv::Status::NotFound);
  CHECK(f.registry.KeyExists(qv::Hive::CurrentUser, "Software\\QvWineTests\\Registry\\Keep") ==
        qv::Status::Ok);
  CHECK(f.registry.DeleteTree(qv::Hive::CurrentUser, "Software\\QvWineTests\\Registry\\A") ==
        qv::Status::NotFound);
}

TEST_CASE(delete_tree_refuses_an_empty_path_instead_of_emptying_the_hive) {
  Fresh f;
  CHECK(f.registry.SetDword(qv::Hive::CurrentUser, kKey, "Sentinel", 1) == qv::Status::Ok);
  CHECK(f.registry.DeleteTree(qv::Hive::CurrentUser, "") == qv::Status::Failed);
  CHECK(f.registry.DeleteTree(qv::Hive::CurrentUser, nullptr) == qv::Status::Failed);
  CHECK(f.registry.KeyExists(qv::Hive::CurrentUser, kKey) == qv::Status::Ok);
}

TEST_CASE(the_machine_hive_is_a_separate_tree) {
  qv::Win32Registry registry;
  const char* key = "SOFTWARE\\QvWineTests\\Machine";
  CHECK(registry.SetString(qv::Hive::LocalMachine, key, "InstallPath", "C:\\Q") == qv::Status::Ok);
  CHECK(registry.KeyExists(qv::Hive::LocalMachine, key) == qv::Status::Ok);
  CHECK(registry.KeyExists(qv::Hive::CurrentUser, key) == qv::Status::NotFound);
  CHECK(registry.DeleteTree(qv::Hive::LocalMachine, "SOFTWARE\\QvWineTests") == qv::Status::Ok);
  CHECK(registry.KeyExists(qv::Hive::LocalMachine, key) == qv::Status::NotFound);
}

}  // namespace

RUN_TESTS()
