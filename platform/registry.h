// Port: the registry, value by value. Key paths are relative to a hive and use
// backslashes; names are compared without regard to case.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/port.h"
#include "platform/status.h"

namespace qv {

enum class Hive { CurrentUser, LocalMachine };

enum class RegType : std::uint32_t { None = 0, String = 1, ExpandString = 2, Binary = 3, Dword = 4 };

class Registry : public Port {
 public:
  // NotFound when the key is missing (or cannot be opened for reading).
  virtual Status KeyExists(Hive hive, const char* key) = 0;
  // Reads a value of any type into `data`. NotFound: key or value missing;
  // TooLarge: the value does not fit `capacity` (nothing copied). `size` gets
  // the value's size in bytes, `type` its type.
  virtual Status QueryValue(Hive hive, const char* key, const char* name, RegType& type,
                            void* data, std::size_t capacity, std::size_t& size) = 0;
  // Writes create the key when it is missing.
  virtual Status SetDword(Hive hive, const char* key, const char* name, std::uint32_t value) = 0;
  virtual Status SetString(Hive hive, const char* key, const char* name, const char* value) = 0;
  // Removes a key with everything below it.
  virtual Status DeleteTree(Hive hive, const char* key) = 0;

  // Creates a key (and the keys above it) as an ordinary persistent key, or
  // opens it with full access when it exists; closes it again.
  virtual Status CreateKey(Hive hive, const char* key) = 0;
  // Removes one key with its values, never a subtree: Failed while the key
  // has subkeys, NotFound when it is not there.
  virtual Status DeleteKey(Hive hive, const char* key) = 0;
  // The name of the key's first subkey. NotFound: the key has none;
  // TooLarge: the name does not fit `capacity` with its terminator;
  // Failed: the key cannot be opened.
  virtual Status FirstSubkey(Hive hive, const char* key, char* name, std::size_t capacity) = 0;
  // An entry of the system's profile file; a null value removes the entry.
  virtual Status WriteProfileEntry(const char* section, const char* entry, const char* value) = 0;
};

}  // namespace qv
