// In-memory registry of the simulated platform.
#include "platform/sim/sim_registry.h"
#include "platform/sim/fold_case.h"

#include <cctype>
#include <cstring>
#include <utility>

namespace qv::sim {

std::string SimRegistry::Lower(std::string s) {
  return FoldCase(std::move(s));
}

std::string SimRegistry::Path(Hive hive, const std::string& key) {
  return Lower((hive == Hive::CurrentUser ? "hkcu\\" : "hklm\\") + key);
}

const SimRegistry::Value* SimRegistry::Find(Hive hive, const std::string& key,
                                            const std::string& name) const {
  auto k = keys_.find(Path(hive, key));
  if (k == keys_.end()) return nullptr;
  auto v = k->second.find(Lower(name));
  return v == k->second.end() ? nullptr : &v->second;
}

Status SimRegistry::KeyExists(Hive hive, const char* key) {
  if (failAll) return Status::Failed;
  return keys_.count(Path(hive, key)) ? Status::Ok : Status::NotFound;
}

Status SimRegistry::QueryValue(Hive hive, const char* key, const char* name, RegType& type,
                               void* data, std::size_t capacity, std::size_t& size) {
  reads.push_back(std::string(key) + "\\" + name);
  if (failAll) return Status::Failed;
  if (!keys_.count(Path(hive, key))) return Status::NotFound;
  const Value* v = Find(hive, key, name);
  if (!v) return Status::NotFound;
  type = v->type;
  size = v->bytes.size();
  if (v->bytes.size() > capacity) return Status::TooLarge;
  if (!v->bytes.empty()) std::memcpy(data, v->bytes.data(), v->bytes.size());
  return Status::Ok;
}

Status SimRegistry::SetDword(Hive hive, const char* key, const char* name, std::uint32_t value) {
  writes.push_back(std::string(key) + "\\" + name);
  if (failAll || Refused(hive, key)) return Status::Failed;
  PutDword(hive, key, name, value);
  return Status::Ok;
}

Status SimRegistry::SetString(Hive hive, const char* key, const char* name, const char* value) {
  writes.push_back(std::string(key) + "\\" + name);
  if (failAll || Refused(hive, key)) return Status::Failed;
  PutString(hive, key, name, value);
  return Status::Ok;
}

Status SimRegistry::DeleteTree(Hive hive, const char* key) {
  if (failAll) return Status::Failed;
  const std::string root = Path(hive, key);
  bool found = false;
  for (auto it = keys_.begin(); it != keys_.end();) {
    if (it->first == root || it->first.rfind(root + "\\", 0) == 0) {
      it = keys_.erase(it);
      found = true;
    } else {
      ++it;
    }
  }
  return found ? Status::Ok : Status::NotFound;
}

Status SimRegistry::CreateKey(Hive hive, const char* key) {
  if (failAll || Refused(hive, key)) return Status::Failed;
  if (*key == '\0') return Status::Failed;
  std::string path = key;
  for (std::size_t cut = path.find('\\'); cut != std::string::npos; cut = path.find('\\', cut + 1))
    keys_[Path(hive, path.substr(0, cut))];
  keys_[Path(hive, path)];
  return Status::Ok;
}

Status SimRegistry::DeleteKey(Hive hive, const char* key) {
  if (failAll || Refused(hive, key) || *key == '\0') return Status::Failed;
  auto it = keys_.find(Path(hive, key));
  if (it == keys_.end()) return Status::NotFound;
  const std::string below = it->first + "\\";
  auto child = keys_.lower_bound(below);
  if (child != keys_.end() && child->first.rfind(below, 0) == 0) return Status::Failed;
  keys_.erase(it);
  return Status::Ok;
}

Status SimRegistry::FirstSubkey(Hive hive, const char* key, char* name, std::size_t capacity) {
  if (failAll) return Status::Failed;
  const std::string root = Path(hive, key);
  if (!keys_.count(root)) return Status::Failed;
  // Keys are kept sorted, so those below the key lie together.
  auto next = keys_.lower_bound(root + "\\");
  if (next == keys_.end() || next->first.rfind(root + "\\", 0) != 0) return Status::NotFound;
  std::string child = next->first.substr(root.size() + 1);
  child = child.substr(0, child.find('\\'));
  if (child.size() + 1 > capacity) return Status::TooLarge;
  std::memcpy(name, child.c_str(), child.size() + 1);
  return Status::Ok;
}

Status SimRegistry::WriteProfileEntry(const char* section, const char* entry, const char* value) {
  if (failAll) return Status::Failed;
  const std::string where = Lower(std::string(section) + "\\" + entry);
  if (value == nullptr) {
    profile.erase(where);
  } else {
    profile[where] = value;
  }
  return Status::Ok;
}

void SimRegistry::Put(Hive hive, const std::string& key, const std::string& name, RegType type,
                      const std::vector<std::uint8_t>& bytes) {
  // Creating a key creates its parents, as the real registry does.
  std::string path = key;
  for (std::size_t cut = path.find('\\'); cut != std::string::npos; cut = path.find('\\', cut + 1))
    keys_[Path(hive, path.substr(0, cut))];
  keys_[Path(hive, key)][Lower(name)] = Value{type, bytes};
}

void SimRegistry::PutDword(Hive hive, const std::string& key, const std::string& name,
                           std::uint32_t value) {
  std::vector<std::uint8_t> bytes(sizeof value);
  std::memcpy(bytes.data(), &value, sizeof value);
  Put(hive, key, name, RegType::Dword, bytes);
}

void SimRegistry::PutString(Hive hive, const std::string& key, const std::string& name,
                            const std::string& value) {
  std::vector<std::uint8_t> bytes(value.begin(), value.end());
  bytes.push_back(0);
  Put(hive, key, name, RegType::String, bytes);
}

bool SimRegistry::Has(Hive hive, const std::string& key, const std::string& name) const {
  return Find(hive, key, name) != nullptr;
}

std::uint32_t SimRegistry::Dword(Hive hive, const std::string& key, const std::string& name) const {
  const Value* v = Find(hive, key, name);
  std::uint32_t value = 0;
  if (v && v->bytes.size() == sizeof value) std::memcpy(&value, v->bytes.data(), sizeof value);
  return value;
}

std::string SimRegistry::String(Hive hive, const std::string& key, const std::string& name) const {
  const Value* v = Find(hive, key, name);
  if (!v) return {};
  std::string s(v->bytes.begin(), v->bytes.end());
  while (!s.empty() && s.back() == '\0') s.pop_back();
  return s;
}

RegType SimRegistry::TypeOf(Hive hive, const std::string& key, const std::string& name) const {
  const Value* v = Find(hive, key, name);
  return v ? v->type : RegType::None;
}

int SimRegistry::ValueCount() const {
  int n = 0;
  for (const auto& k : keys_) n += static_cast<int>(k.second.size());
  return n;
}

}  // namespace qv::sim
