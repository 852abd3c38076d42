// Simulated process surroundings. Named mutexes live in a table that several
// simulated processes can share, so a test can start a "second copy".
#pragma once

#include <cstdint>
#include <set>
#include <string>

#include "platform/process.h"
#include "platform/text.h"

namespace qv::sim {

struct MutexTable {
  std::set<std::string> names;
};

class SimProcess final : public Process {
 public:
  explicit SimProcess(MutexTable& mutexes) : mutexes_(mutexes) {}
  ~SimProcess() { ReleaseInstanceMutex(); }

  bool MutexExists(const char* name) override { return mutexes_.names.count(name) != 0; }
  Status CreateInstanceMutex(const char* name) override {
    if (failMutex) return Status::Failed;
    mutexes_.names.insert(name);
    held_ = name;
    return Status::Ok;
  }
  void ReleaseInstanceMutex() override {
    if (!held_.empty()) mutexes_.names.erase(held_);
    held_.clear();
  }
  Status ModulePath(char* path, std::size_t capacity) override {
    if (modulePath.size() + 1 > capacity) return Status::TooLarge;
    CopyText(path, capacity, modulePath.c_str());
    return Status::Ok;
  }
  std::uint32_t VersionWord() override { return versionWord; }
  void Wait(std::uint32_t ms) override { waitedMs += ms; }

  std::string modulePath = "C:\\Program Files\\Quorvantix\\Quorvantix.exe";
  std::uint32_t versionWord = 0x23F00206;  // an NT-family version word
  bool failMutex = false;
  std::uint32_t waitedMs = 0;
  bool Holds() const { return !held_.empty(); }

 private:
  MutexTable& mutexes_;
  std::string held_;
};

}  // namespace qv::sim
