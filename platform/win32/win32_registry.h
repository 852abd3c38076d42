// The registry through the ANSI functions of advapi32: key paths and values
// are in the system's code page, as the system stores them.
#pragma once

#include "platform/registry.h"

namespace qv {

class Win32Registry final : public Registry {
 public:
  Status KeyExists(Hive hive, const char* key) override;
  Status QueryValue(Hive hive, const char* key, const char* name, RegType& type, void* data,
                    std::size_t capacity, std::size_t& size) override;
  Status SetDword(Hive hive, const char* key, const char* name, std::uint32_t value) override;
  Status SetString(Hive hive, const char* key, const char* name, const char* value) override;
  // A null or empty key path is refused: it would name the whole hive.
  Status DeleteTree(Hive hive, const char* key) override;
  Status CreateKey(Hive hive, const char* key) override;
  // Asks for the key's subkeys first: the 9x family's RegDeleteKeyA would
  // take a whole subtree.
  Status DeleteKey(Hive hive, const char* key) override;
  Status FirstSubkey(Hive hive, const char* key, char* name, std::size_t capacity) override;
  Status WriteProfileEntry(const char* section, const char* entry, const char* value) override;
};

}  // namespace qv
