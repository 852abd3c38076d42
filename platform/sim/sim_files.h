// An in-memory file system for folder searches: folders and files with
// attributes, listed in the order the test added them (the order a real file
// system lists entries in is its own), dot entries first in every folder but
// a drive's root, unreadable folders, and the path limit.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/files.h"

namespace qv::sim {

class SimFiles final : public Files {
 public:
  std::unique_ptr<FileSearch> Find(const char* pattern) override;

  // Paths are like "C:\\Fav\\Sub"; parents are created as needed.
  void AddFolder(const std::string& path, std::uint32_t attributes = 0);
  void AddFile(const std::string& path, std::uint32_t attributes = 0);
  void SetUnreadable(const std::string& folder) { unreadable_[Lower(folder)] = true; }
  int searches = 0;

 private:
  struct Node {
    std::string name;
    std::uint32_t attributes;
  };
  static std::string Lower(std::string s);
  static std::size_t LastSeparator(const std::string& path);
  void AddEntry(const std::string& path, std::uint32_t attributes);
  std::map<std::string, std::vector<Node>> folders_;  // by lower-case path
  std::map<std::string, bool> unreadable_;
};

}  // namespace qv::sim
