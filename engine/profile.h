// The per-user profile of the program: one registry key per section under
// kProfileRoot of HKEY_CURRENT_USER, one value per entry, integers as DWORD
// values and text as string values.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/registry.h"
#include "product/product.h"

namespace qv {

class Profile {
 public:
  explicit Profile(Registry& registry) : registry_(registry) {}

  // A missing entry, one of another type than DWORD, or one whose size is
  // not 4 bytes gives the default.
  std::int32_t GetInt(const char* section, const char* entry, std::int32_t fallback);
  // Text of string type only (anything else gives ""), cut to fit `capacity`
  // at a character boundary; an over-long value is read whole and then cut.
  void GetString(const char* section, const char* entry, char* text, std::size_t capacity);
  // Failed writes are ignored, as the callers expect.
  void WriteInt(const char* section, const char* entry, std::int32_t value);
  void WriteString(const char* section, const char* entry, const char* text);

 private:
  // Room for the profile root, a separator and the longest section name.
  static constexpr std::size_t kKeyCapacity = 96;
  using KeyText = char[kKeyCapacity];
  void KeyOf(const char* section, KeyText& key) const;
  Registry& registry_;
};

}  // namespace qv
