// In-memory folder searches of the simulated platform.
#include "platform/sim/sim_files.h"

#include <cctype>
#include <cstring>

#include "platform/constants.h"
#include "platform/text.h"

namespace qv::sim {
namespace {

class ListSearch final : public FileSearch {
 public:
  explicit ListSearch(std::vector<FileEntry> entries) : entries_(std::move(entries)) {}
  bool Next(FileEntry& entry) override {
    if (next_ >= entries_.size()) return false;
    entry = entries_[next_++];
    return true;
  }

 private:
  std::vector<FileEntry> entries_;
  std::size_t next_ = 0;
};

FileEntry Entry(const char* name, std::uint32_t attributes) {
  FileEntry e;
  CopyText(e.name, name);
  e.attributes = attributes;
  return e;
}

}  // namespace

std::string SimFiles::Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// Last path separator of `path`; a 0x5C that is the second byte of a
// double-byte character (as in "ソ") is part of a name, not a separator.
std::size_t SimFiles::LastSeparator(const std::string& path) {
  std::size_t cut = std::string::npos;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (IsShiftJisLeadByte(static_cast<unsigned char>(path[i])) && i + 1 < path.size())
      ++i;
    else if (path[i] == '\\')
      cut = i;
  }
  return cut;
}

void SimFiles::AddEntry(const std::string& path, std::uint32_t attributes) {
  const std::size_t cut = LastSeparator(path);
  if (cut == std::string::npos) return;
  const std::string parent = path.substr(0, cut);
  if (LastSeparator(parent) != std::string::npos && !folders_.count(Lower(parent)))
    AddFolder(parent);
  folders_[Lower(parent)].push_back(Node{path.substr(cut + 1), attributes});
}

void SimFiles::AddFolder(const std::string& path, std::uint32_t attributes) {
  if (folders_.count(Lower(path))) return;
  folders_[Lower(path)];
  AddEntry(path, attributes | kFileAttributeDirectory);
}

void SimFiles::AddFile(const std::string& path, std::uint32_t attributes) { AddEntry(path, attributes); }

std::unique_ptr<FileSearch> SimFiles::Find(const char* pattern) {
  ++searches;
  const std::size_t length = std::strlen(pattern);
  if (length >= kMaxPath) return nullptr;
  // Only the "folder\*.*" form is used by the program.
  const std::string p(pattern, length);
  if (p.size() < 4 || p.compare(p.size() - 4, 4, "\\*.*") != 0) return nullptr;
  const std::string folder = Lower(p.substr(0, p.size() - 4));
  auto it = folders_.find(folder);
  if (it == folders_.end() || unreadable_.count(folder)) return nullptr;
  std::vector<FileEntry> entries;
  const bool driveRoot = folder.size() == 2 && folder[1] == ':';
  if (!driveRoot) {
    entries.push_back(Entry(".", kFileAttributeDirectory));
    entries.push_back(Entry("..", kFileAttributeDirectory));
  }
  for (const Node& n : it->second) entries.push_back(Entry(n.name.c_str(), n.attributes));
  if (entries.empty()) return nullptr;
  return std::make_unique<ListSearch>(std::move(entries));
}

}  // namespace qv::sim
