// Folder searches against a real folder made by the test.
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/constants.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_api.h"
#include "tests/wine/check.h"

namespace {

struct Folder {
  std::string path;
  Folder() {
    char temp[MAX_PATH];
    ::GetTempPathA(sizeof(temp), temp);
    char name[64];
    std::snprintf(name, sizeof(name), "qvfiles%lu", ::GetCurrentProcessId());
    path = std::string(temp) + name;
    ::CreateDirectoryA(path.c_str(), nullptr);
  }
  ~Folder() {
    for (const char* f : {"\\a.url", "\\B.lnk", "\\hidden.txt", "\\Sub\\inner.txt"}) {
      const std::string p = path + f;
      ::SetFileAttributesA(p.c_str(), FILE_ATTRIBUTE_NORMAL);
      ::DeleteFileA(p.c_str());
    }
    ::RemoveDirectoryA((path + "\\Sub").c_str());
    ::RemoveDirectoryA(path.c_str());
  }
  void File(const char* name) {
    const std::string p = path + "\\" + name;
    std::FILE* f = std::fopen(p.c_str(), "wb");
    if (f) std::fclose(f);
  }
};

struct Listed {
  std::string name;
  std::uint32_t attributes;
};

std::vector<Listed> ListAll(qv::FileSearch& search) {
  std::vector<Listed> out;
  qv::FileEntry entry;
  while (search.Next(entry)) out.push_back({entry.name, entry.attributes});
  return out;
}

const Listed* Named(const std::vector<Listed>& all, const char* name) {
  for (const Listed& l : all) {
    if (l.name == name) return &l;
  }
  return nullptr;
}

TEST_CASE(search_lists_files_folders_and_their_attributes) {
  Folder folder;
  folder.File("a.url");
  folder.File("B.lnk");
  folder.File("hidden.txt");
  ::SetFileAttributesA((folder.path + "\\hidden.txt").c_str(),
                       FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  ::CreateDirectoryA((folder.path + "\\Sub").c_str(), nullptr);
  folder.File("Sub\\inner.txt");

  qv::Win32Files files;
  auto search = files.Find((folder.path + "\\*.*").c_str());
  CHECK(search != nullptr);
  if (!search) return;
  const std::vector<Listed> all = ListAll(*search);
  CHECK_EQ(all.size(), 6u);  // ".", "..", three files and the subfolder
  CHECK(Named(all, ".") != nullptr);
  CHECK(Named(all, "..") != nullptr);
  CHECK(Named(all, "a.url") != nullptr);
  CHECK(Named(all, "B.lnk") != nullptr);
  const Listed* sub = Named(all, "Sub");
  CHECK(sub != nullptr && (sub->attributes & qv::kFileAttributeDirectory) != 0);
  const Listed* hidden = Named(all, "hidden.txt");
  CHECK(hidden != nullptr && (hidden->attributes & qv::kFileAttributeHidden) != 0 &&
        (hidden->attributes & qv::kFileAttributeSystem) != 0);
  const Listed* plain = Named(all, "a.url");
  CHECK(plain != nullptr && (plain->attributes & (qv::kFileAttributeHidden |
                                                  qv::kFileAttributeDirectory)) == 0);
  // The search stays at its end.
  qv::FileEntry entry;
  CHECK(!search->Next(entry));
}

TEST_CASE(search_of_a_subfolder_finds_only_its_entries) {
  Folder folder;
  ::CreateDirectoryA((folder.path + "\\Sub").c_str(), nullptr);
  folder.File("Sub\\inner.txt");
  folder.File("a.url");
  qv::Win32Files files;
  auto search = files.Find((folder.path + "\\Sub\\*.*").c_str());
  CHECK(search != nullptr);
  if (!search) return;
  const std::vector<Listed> all = ListAll(*search);
  CHECK(Named(all, "inner.txt") != nullptr);
  CHECK(Named(all, "a.url") == nullptr);
}

TEST_CASE(a_missing_folder_gives_no_search) {
  Folder folder;
  qv::Win32Files files;
  CHECK(files.Find((folder.path + "\\NoSuchFolder\\*.*").c_str()) == nullptr);
  CHECK(files.Find(nullptr) == nullptr);
}

TEST_CASE(an_over_long_pattern_gives_no_search) {
  Folder folder;
  folder.File("a.url");
  qv::Win32Files files;
  // Patterns naming that folder through redundant "\." steps: 259 bytes
  // are the system's to answer, 260 are refused before they reach it.
  std::string head = folder.path;
  while (head.size() + 2 + 4 <= qv::kMaxPath - 1) head += "\\.";
  std::string tail = "\\*.*";
  while (head.size() + tail.size() < qv::kMaxPath - 1) tail.insert(1, "*");
  const std::string fits = head + tail;
  const std::string over = head + "\\*" + tail.substr(1);
  CHECK_EQ(fits.size(), qv::kMaxPath - 1);
  CHECK_EQ(over.size(), qv::kMaxPath);
  auto search = files.Find(fits.c_str());
  CHECK(search != nullptr);
  if (search) CHECK(Named(ListAll(*search), "a.url") != nullptr);
  CHECK(files.Find(over.c_str()) == nullptr);
}

}  // namespace

RUN_TESTS()
