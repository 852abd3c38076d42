// An in-memory file system: folders and files with attributes and contents,
// listed in the order they were added (the order a real file system lists
// entries in is its own), dot entries first in every folder but a drive's
// root, unreadable folders, the path limit, a current folder that relative
// paths are taken from, and paths whose changes the test makes fail.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <set>

#include "platform/files.h"

namespace qv::sim {

class SimFiles final : public Files {
 public:
  std::unique_ptr<FileSearch> Find(const char* pattern) override;
  Status Copy(const char* from, const char* to) override;
  Status Remove(const char* path) override;
  Status CreateFolder(const char* path) override;
  Status RemoveFolder(const char* path) override;
  Status SetCurrentFolder(const char* path) override;

  // Paths are like "C:\\Fav\\Sub"; parents are created as needed.
  void AddFolder(const std::string& path, std::uint32_t attributes = 0);
  void AddFile(const std::string& path, std::uint32_t attributes = 0,
               const std::string& contents = {});
  void SetUnreadable(const std::string& folder) { unreadable_[Lower(folder)] = true; }
  // Makes or replaces a file as a program would: its folder must exist.
  Status Write(const std::string& path, const std::string& contents);
  // Copies, removals and new folders at this path (absolute) fail.
  void Refuse(const std::string& path) { refused_.insert(Lower(path)); }
  int searches = 0;

  // What is there now; paths as the operations take them.
  bool IsFile(const std::string& path) const;
  bool IsFolder(const std::string& path) const;
  std::string Contents(const std::string& path) const;
  // Names in a folder, in listing order; empty for a missing folder.
  std::vector<std::string> Names(const std::string& folder) const;
  // The absolute form of a path, as the fake keeps it: relative paths taken
  // from the current folder, runs of separators as one, no trailing
  // separator, a drive's root as "C:".
  const std::string& CurrentFolder() const { return current_; }
  std::string Absolute(const std::string& path) const;

 private:
  struct Node {
    std::string name;
    std::uint32_t attributes;
    std::string contents;
  };
  static std::string Lower(std::string s);
  static std::size_t LastSeparator(const std::string& path);
  void AddEntry(const std::string& path, std::uint32_t attributes, const std::string& contents);
  const Node* Lookup(const std::string& absolute) const;
  bool Refused(const std::string& absolute) const { return refused_.count(Lower(absolute)) != 0; }
  bool HasParentFolder(const std::string& absolute) const;
  void Erase(const std::string& absolute);
  std::map<std::string, std::vector<Node>> folders_;  // by lower-case path
  std::map<std::string, bool> unreadable_;
  std::set<std::string> refused_;
  std::string current_ = "C:";
};

}  // namespace qv::sim
