// In-memory registry: keys and value names compared without regard to case,
// typed values, a record of writes in order, and a failure switch.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/sim/sim_log.h"

namespace qv::sim {

class SimRegistry final : public Registry {
 public:
  explicit SimRegistry(Log& log) : log_(log) {}

  Status KeyExists(Hive hive, const char* key) override;
  Status QueryValue(Hive hive, const char* key, const char* name, RegType& type, void* data,
                    std::size_t capacity, std::size_t& size) override;
  Status SetDword(Hive hive, const char* key, const char* name, std::uint32_t value) override;
  Status SetString(Hive hive, const char* key, const char* name, const char* value) override;
  Status DeleteTree(Hive hive, const char* key) override;

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
  Log& log_;
  std::map<std::string, Key> keys_;  // by lower-case "hive\key"
};

}  // namespace qv::sim
