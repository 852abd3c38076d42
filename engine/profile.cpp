// Reading and writing profile entries through the registry port.
#include "engine/profile.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/text.h"

namespace qv {
namespace {

// Registry strings need not be terminated; stop at the first zero, if any.
std::size_t TextLength(const char* data, std::size_t size) {
  return static_cast<std::size_t>(std::find(data, data + size, '\0') - data);
}

}  // namespace

void Profile::KeyOf(const char* section, KeyText& key) const {
  std::snprintf(key, sizeof key, "%s\\%s", kProfileRoot, section);
}

std::int32_t Profile::GetInt(const char* section, const char* entry, std::int32_t fallback) {
  KeyText key;
  KeyOf(section, key);
  RegType type = RegType::None;
  std::uint32_t value = 0;
  std::size_t size = 0;
  if (registry_.QueryValue(Hive::CurrentUser, key, entry, type, &value, sizeof value, size) !=
          Status::Ok ||
      type != RegType::Dword || size != sizeof value)
    return fallback;
  return static_cast<std::int32_t>(value);
}

void Profile::GetString(const char* section, const char* entry, char* text, std::size_t capacity) {
  if (capacity == 0) return;
  text[0] = '\0';
  KeyText key;
  KeyOf(section, key);
  RegType type = RegType::None;
  std::size_t size = 0;
  char small[kTextCapacity];
  Status status =
      registry_.QueryValue(Hive::CurrentUser, key, entry, type, small, sizeof small, size);
  if (status == Status::Ok) {
    if (type == RegType::String) CopyText(text, capacity, small, TextLength(small, size));
    return;
  }
  if (status != Status::TooLarge || type != RegType::String) return;
  // Longer than any buffer of ours: read it whole, keep what fits.
  std::vector<char> large(size);
  status = registry_.QueryValue(Hive::CurrentUser, key, entry, type, large.data(), large.size(), size);
  if (status == Status::Ok && type == RegType::String)
    CopyText(text, capacity, large.data(), TextLength(large.data(), size));
}

void Profile::WriteInt(const char* section, const char* entry, std::int32_t value) {
  KeyText key;
  KeyOf(section, key);
  Ignore(registry_.SetDword(Hive::CurrentUser, key, entry, static_cast<std::uint32_t>(value)));
}

void Profile::WriteString(const char* section, const char* entry, const char* text) {
  KeyText key;
  KeyOf(section, key);
  Ignore(registry_.SetString(Hive::CurrentUser, key, entry, text));
}

}  // namespace qv
