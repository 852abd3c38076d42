// In-memory registry: keys and value names compared without regard to case,
// typed values, a record of writes in order, a failure switch, keys whose
// changes fail, and the system's profile file.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace qv::sim {

class SimRegistry final : public Registry {
 public:
  Status KeyExists(Hive hive, const char* key) override;
  Status QueryValue(Hive hive, const char* key, const char* name, RegType& type, void* data,
                    std::size_t capacity, std::size_t& size) override;
  Status SetDword(Hive hive, const char* key, const char* name, std::uint32_t value) override;
  Status SetString(Hive hive, const char* key, const char* name, const char* value) override;
  Status DeleteTree(Hive hive, const char* key) override;
  Status CreateKey(Hive hive, const char* key) override;
  Status DeleteKey(Hive hive, const char* key) override;
  Status FirstSubkey(Hive hive, const char* key, char* name, std::size_t capacity) override;
  Status WriteProfileEntry(const char* section, const char* entry, const char* value) override;

  // Test set-up: a value of any type and content.
  void Put(Hive hive, const std::string& key, const std::string& name, RegType type,
           const std::vector<std::uint8_t>& bytes);
  void PutDword(Hive hive, const std::string& key, const std::string& name, std::uint32_t value);
  void PutString(Hive hive, const std::string& key, const std::string& name, const std::string& value);
  bool Has(Hive hive, const std::string& key, const std::string& name) const;
  std::uint32_t Dword(Hive hive, const std::string& key, const std::string& name) const;
  std::string String(Hive hive, const std::string& key, const std::string& name) const;
  RegType TypeOf(Hive hive, const std::string& key, const std::string& name) const;
  int ValueCount() const;
  bool HasKey(Hive hive, const std::string& key) const { return keys_.count(Path(hive, key)) != 0; }
  // Creating, writing or deleting this key fails.
  void Refuse(Hive hive, const std::string& key) { refused_.insert(Path(hive, key)); }
  // The profile file: "section\entry" (lower case) to value.
  std::map<std::string, std::string> profile;

  // "key\name" of every read and every write, in order.
  std::vector<std::string> reads;
  std::vector<std::string> writes;
  bool failAll = false;

 private:
  struct Value {
    RegType type;
    std::vector<std::uint8_t> bytes;
  };
  using Key = std::map<std::string, Value>;  // by lower-case name
  static std::string Lower(std::string s);
  static std::string Path(Hive hive, const std::string& key);
  const Value* Find(Hive hive, const std::string& key, const std::string& name) const;
  bool Refused(Hive hive, const std::string& key) const { return refused_.count(Path(hive, key)) != 0; }
  std::map<std::string, Key> keys_;  // by lower-case "hive\key"
  std::set<std::string> refused_;
};

}  // namespace qv::sim
