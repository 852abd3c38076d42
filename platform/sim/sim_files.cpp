// In-memory folder searches of the simulated platform.
#include "platform/sim/sim_files.h"

#include <cctype>
#include <cstring>
#include <string_view>
#include <utility>

#include "platform/constants.h"
#include "platform/text.h"
#include "platform/sim/fold_case.h"

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
  return FoldCase(std::move(s));
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

void SimFiles::AddEntry(const std::string& path, std::uint32_t attributes,
                        const std::string& contents) {
  const std::size_t cut = LastSeparator(path);
  if (cut == std::string::npos) return;
  const std::string parent = path.substr(0, cut);
  if (LastSeparator(parent) != std::string::npos && !folders_.count(Lower(parent)))
    AddFolder(parent);
  folders_[Lower(parent)].push_back(Node{path.substr(cut + 1), attributes, contents});
}

void SimFiles::AddFolder(const std::string& path, std::uint32_t attributes) {
  if (folders_.count(Lower(path))) return;
  folders_[Lower(path)];
  AddEntry(path, attributes | kFileAttributeDirectory, {});
}

void SimFiles::AddFile(const std::string& path, std::uint32_t attributes,
                       const std::string& contents) {
  AddEntry(path, attributes, contents);
}

std::string SimFiles::Absolute(const std::string& path) const {
  std::string prefix;  // "C:" or "\\"
  std::string rest;
  if (path.compare(0, 2, "\\\\") == 0) {
    prefix = "\\\\";
    rest = path.substr(2);
  } else if (path.size() >= 2 && path[1] == ':') {
    prefix = path.substr(0, 2);
    rest = path.substr(2);
    // "D:name" is relative to the drive's current folder, here its root
    // unless the current folder is on that drive.
    if (rest.empty() || rest[0] != '\\') {
      const bool sameDrive = Lower(current_.substr(0, 2)) == Lower(prefix);
      rest = (sameDrive ? current_.substr(2) : std::string()) + "\\" + rest;
    }
  } else if (!path.empty() && path[0] == '\\') {
    prefix = current_.substr(0, 2);
    rest = path;
  } else {
    prefix = current_.substr(0, 2);
    rest = current_.substr(2) + "\\" + path;
  }
  std::string out = prefix;
  std::string piece;
  auto flush = [&] {
    if (piece.empty()) return;
    if (!(out == "\\\\")) out += '\\';
    out += piece;
    piece.clear();
  };
  for (std::size_t i = 0; i < rest.size(); ++i) {
    if (IsShiftJisLeadByte(static_cast<unsigned char>(rest[i])) && i + 1 < rest.size()) {
      piece += rest[i];
      piece += rest[++i];
    } else if (rest[i] == '\\') {
      flush();
    } else {
      piece += rest[i];
    }
  }
  flush();
  return out;
}

const SimFiles::Node* SimFiles::Lookup(const std::string& absolute) const {
  const std::size_t cut = LastSeparator(absolute);
  if (cut == std::string::npos) return nullptr;
  auto folder = folders_.find(Lower(absolute.substr(0, cut)));
  if (folder == folders_.end()) return nullptr;
  const std::string name = Lower(absolute.substr(cut + 1));
  for (const Node& n : folder->second) {
    if (Lower(n.name) == name) return &n;
  }
  return nullptr;
}

bool SimFiles::IsFolder(const std::string& path) const {
  return folders_.count(Lower(Absolute(path))) != 0;
}

bool SimFiles::IsFile(const std::string& path) const {
  const Node* n = Lookup(Absolute(path));
  return n != nullptr && (n->attributes & kFileAttributeDirectory) == 0;
}

std::string SimFiles::Contents(const std::string& path) const {
  const Node* n = Lookup(Absolute(path));
  return n ? n->contents : std::string();
}

std::vector<std::string> SimFiles::Names(const std::string& folder) const {
  std::vector<std::string> names;
  auto it = folders_.find(Lower(Absolute(folder)));
  if (it == folders_.end()) return names;
  for (const Node& n : it->second) names.push_back(n.name);
  return names;
}

bool SimFiles::HasParentFolder(const std::string& absolute) const {
  const std::size_t cut = LastSeparator(absolute);
  return cut != std::string::npos && folders_.count(Lower(absolute.substr(0, cut))) != 0;
}

void SimFiles::Erase(const std::string& absolute) {
  const std::size_t cut = LastSeparator(absolute);
  std::vector<Node>& siblings = folders_[Lower(absolute.substr(0, cut))];
  const std::string name = Lower(absolute.substr(cut + 1));
  for (auto it = siblings.begin(); it != siblings.end(); ++it) {
    if (Lower(it->name) == name) {
      siblings.erase(it);
      break;
    }
  }
  folders_.erase(Lower(absolute));
}

Status SimFiles::Copy(const char* from, const char* to) {
  const std::string source = Absolute(from);
  const std::string target = Absolute(to);
  if (std::strlen(from) >= kMaxPath || std::strlen(to) >= kMaxPath) return Status::Failed;
  if (Refused(target)) return Status::Failed;
  const Node* original = Lookup(source);
  if (original == nullptr || (original->attributes & kFileAttributeDirectory) != 0)
    return Status::NotFound;
  if (!HasParentFolder(target)) return Status::NotFound;
  if (IsFolder(target)) return Status::Failed;
  const Node copy = *original;
  if (Lookup(target) != nullptr) Erase(target);
  AddEntry(target, copy.attributes, copy.contents);
  return Status::Ok;
}

Status SimFiles::Write(const std::string& path, const std::string& contents) {
  const std::string target = Absolute(path);
  if (path.size() >= kMaxPath || Refused(target)) return Status::Failed;
  if (!HasParentFolder(target)) return Status::NotFound;
  if (IsFolder(target)) return Status::Failed;
  if (Lookup(target) != nullptr) Erase(target);
  AddEntry(target, 0, contents);
  return Status::Ok;
}

Status SimFiles::Remove(const char* path) {
  const std::string target = Absolute(path);
  if (Refused(target)) return Status::Failed;
  const Node* n = Lookup(target);
  if (n == nullptr) return Status::NotFound;
  if ((n->attributes & kFileAttributeDirectory) != 0) return Status::Failed;
  Erase(target);
  return Status::Ok;
}

Status SimFiles::CreateFolder(const char* path) {
  const std::string target = Absolute(path);
  if (std::strlen(path) >= kMaxPath || Refused(target)) return Status::Failed;
  if (IsFolder(target) || Lookup(target) != nullptr) return Status::Failed;
  if (!HasParentFolder(target)) return Status::NotFound;
  AddFolder(target);
  return Status::Ok;
}

Status SimFiles::RemoveFolder(const char* path) {
  const std::string target = Absolute(path);
  if (Refused(target)) return Status::Failed;
  auto it = folders_.find(Lower(target));
  if (it == folders_.end()) return Status::NotFound;
  // A drive's root, a folder with entries and the current folder stay, as
  // on the real system.
  if (LastSeparator(target) == std::string::npos || !it->second.empty() ||
      Lower(current_) == Lower(target))
    return Status::Failed;
  Erase(target);
  return Status::Ok;
}

Status SimFiles::SetCurrentFolder(const char* path) {
  const std::string target = Absolute(path);
  if (!folders_.count(Lower(target))) return Status::NotFound;
  current_ = target;
  return Status::Ok;
}

std::unique_ptr<FileSearch> SimFiles::Find(const char* pattern) {
  ++searches;
  const std::size_t length = std::strlen(pattern);
  if (length >= kMaxPath) return nullptr;
  // Only the "folder\*.*" form is used by the program.
  constexpr std::string_view kEverything = "\\*.*";
  const std::string p(pattern, length);
  if (p.size() < kEverything.size() ||
      p.compare(p.size() - kEverything.size(), kEverything.size(), kEverything) != 0)
    return nullptr;
  const std::string folder = Lower(p.substr(0, p.size() - kEverything.size()));
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
