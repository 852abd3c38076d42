// The ports the setup program installs through, against the real system of
// the test prefix: file copies and folders, one registry key at a time, the
// profile file, special folders, and shortcuts read back through the shell.
#include <cstring>
#include <string>

#include "platform/constants.h"
#include "platform/win32/code_page.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_api.h"
#include "tests/wine/check.h"

#include <shlobj.h>

namespace {

using qv::Hive;
using qv::Status;

std::string TempFolder(const char* name) {
  char temp[MAX_PATH];
  ::GetTempPathA(sizeof(temp), temp);
  return std::string(temp) + name + std::to_string(::GetCurrentProcessId());
}

void WriteFile(const std::string& path, const char* text) {
  const qv::FileHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  ::WriteFile(file.get(), text, static_cast<DWORD>(std::strlen(text)), &written, nullptr);
}

std::string ReadFile(const std::string& path) {
  const qv::FileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  char data[256] = {};
  DWORD got = 0;
  if (file) ::ReadFile(file.get(), data, sizeof(data) - 1, &got, nullptr);
  return std::string(data, got);
}

TEST_CASE(files_are_copied_replaced_and_removed_and_folders_go_only_when_empty) {
  qv::Win32Files files;
  const std::string root = TempFolder("qvinstall");
  const std::string sub = root + "\\Sub";
  CHECK(files.CreateFolder(root.c_str()) == Status::Ok);
  CHECK(files.CreateFolder(root.c_str()) == Status::Failed);  // there already
  CHECK(files.CreateFolder((root + "\\No\\Deeper").c_str()) == Status::NotFound);
  CHECK(files.CreateFolder(sub.c_str()) == Status::Ok);
  WriteFile(root + "\\source.txt", "first");
  // Relative paths are taken from the current folder.
  CHECK(files.SetCurrentFolder(root.c_str()) == Status::Ok);
  CHECK(files.Copy("source.txt", "Sub\\copy.txt") == Status::Ok);
  WriteFile(root + "\\source.txt", "second");
  CHECK(files.Copy("source.txt", "Sub\\copy.txt") == Status::Ok);
  CHECK_EQ(ReadFile(sub + "\\copy.txt"), std::string("second"));
  CHECK(files.Copy("missing.txt", "Sub\\other.txt") == Status::NotFound);
  CHECK(files.SetCurrentFolder((root + "\\Nowhere").c_str()) == Status::NotFound);

  CHECK(files.RemoveFolder(sub.c_str()) != Status::Ok);  // not empty
  CHECK(files.Remove(sub.c_str()) != Status::Ok);        // no file
  CHECK(files.Remove((sub + "\\copy.txt").c_str()) == Status::Ok);
  CHECK(files.Remove((sub + "\\copy.txt").c_str()) == Status::NotFound);
  CHECK(files.RemoveFolder((sub + "\\").c_str()) == Status::Ok);
  CHECK(files.Remove((root + "\\source.txt").c_str()) == Status::Ok);
  CHECK(files.SetCurrentFolder("C:\\") == Status::Ok);
  CHECK(files.RemoveFolder(root.c_str()) == Status::Ok);
}

TEST_CASE(registry_keys_are_made_and_deleted_one_at_a_time) {
  qv::Win32Registry registry;
  const char* maker = "Software\\QvWineTests\\Maker";
  const char* product = "Software\\QvWineTests\\Maker\\Product";
  qv::Ignore(registry.DeleteTree(Hive::CurrentUser, "Software\\QvWineTests"));
  char name[qv::kMaxPath + 1] = {};
  CHECK(registry.FirstSubkey(Hive::CurrentUser, maker, name, sizeof(name)) == Status::Failed);
  CHECK(registry.CreateKey(Hive::CurrentUser, product) == Status::Ok);
  CHECK(registry.CreateKey(Hive::CurrentUser, product) == Status::Ok);  // opened again
  CHECK(registry.FirstSubkey(Hive::CurrentUser, maker, name, sizeof(name)) == Status::Ok);
  CHECK(std::strcmp(name, "Product") == 0);
  CHECK(registry.FirstSubkey(Hive::CurrentUser, maker, name, 4) == Status::TooLarge);
  CHECK(registry.FirstSubkey(Hive::CurrentUser, product, name, sizeof(name)) == Status::NotFound);

  // A key with a subkey stays, with its values.
  CHECK(registry.SetString(Hive::CurrentUser, maker, "Kept", "yes") == Status::Ok);
  CHECK(registry.DeleteKey(Hive::CurrentUser, maker) == Status::Failed);
  CHECK(registry.KeyExists(Hive::CurrentUser, product) == Status::Ok);
  CHECK(registry.DeleteKey(Hive::CurrentUser, product) == Status::Ok);
  CHECK(registry.DeleteKey(Hive::CurrentUser, product) == Status::NotFound);
  CHECK(registry.DeleteKey(Hive::CurrentUser, maker) == Status::Ok);
  CHECK(registry.KeyExists(Hive::CurrentUser, maker) == Status::NotFound);
  CHECK(registry.DeleteKey(Hive::CurrentUser, "") == Status::Failed);
  qv::Ignore(registry.DeleteTree(Hive::CurrentUser, "Software\\QvWineTests"));
}

TEST_CASE(a_profile_entry_is_written_and_removed) {
  qv::Win32Registry registry;
  CHECK(registry.WriteProfileEntry("QvWineTests", "QUORVANT", "0x00000002") == Status::Ok);
  char value[32] = {};
  ::GetProfileStringA("QvWineTests", "QUORVANT", "", value, sizeof(value));
  CHECK(std::strcmp(value, "0x00000002") == 0);
  CHECK(registry.WriteProfileEntry("QvWineTests", "QUORVANT", nullptr) == Status::Ok);
  ::GetProfileStringA("QvWineTests", "QUORVANT", "gone", value, sizeof(value));
  CHECK(std::strcmp(value, "gone") == 0);
}

struct LinkContents {
  std::string target;
  std::string workingFolder;
  std::wstring description;
};

LinkContents ReadLink(const std::wstring& file) {
  LinkContents contents;
  const qv::ComScope com;
  qv::ComPtr<IShellLinkA> link;
  qv::ComPtr<IPersistFile> persist;
  qv::ComPtr<IShellLinkW> wide;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                link.put())) ||
      FAILED(link->QueryInterface(IID_IPersistFile, persist.put())) ||
      FAILED(persist->Load(file.c_str(), STGM_READ)) ||
      FAILED(link->QueryInterface(IID_IShellLinkW, wide.put())))
    return contents;
  char text[MAX_PATH] = {};
  if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH))) contents.target = text;
  if (SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH))) contents.workingFolder = text;
  wchar_t description[MAX_PATH] = {};
  if (SUCCEEDED(wide->GetDescription(description, MAX_PATH))) contents.description = description;
  return contents;
}

TEST_CASE(a_shortcut_with_a_japanese_name_is_saved_read_back_and_removed) {
  qv::Win32Shell shell;
  char programs[qv::kMaxPath + 1] = {};
  CHECK(shell.SpecialFolderPath(0, qv::kCsidlCommonPrograms, programs, sizeof(programs)) ==
        Status::Ok);
  CHECK(std::strlen(programs) > 3);
  CHECK(shell.SpecialFolderPath(0, qv::kCsidlPrograms, programs, 4) == Status::TooLarge);

  const std::string folder = TempFolder("qvlinks");
  ::CreateDirectoryA(folder.c_str(), nullptr);
  const char* name = "ライセンス規約";
  qv::ShortcutRecord record;
  record.target = "C:\\windows\\win.ini";
  record.workingFolder = "C:\\windows";
  record.description = name;
  CHECK(shell.SaveShortcut(folder.c_str(), name, record) == Status::Ok);
  const std::wstring file = qv::SystemToWide(folder.c_str()) + L"\\" + qv::ProgramToWide(name) + L".lnk";
  CHECK(::GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES);
  const LinkContents read = ReadLink(file);
  CHECK_EQ(read.target, std::string("C:\\windows\\win.ini"));
  CHECK_EQ(read.workingFolder, std::string("C:\\windows"));
  CHECK(read.description == qv::ProgramToWide(name));

  CHECK(shell.SaveShortcut((folder + "\\Missing").c_str(), name, record) == Status::Failed);
  CHECK(shell.RemoveShortcut(folder.c_str(), name) == Status::Ok);
  CHECK(shell.RemoveShortcut(folder.c_str(), name) == Status::NotFound);
  CHECK(shell.SaveShortcut(std::string(qv::kMaxPath, 'a').c_str(), name, record) == Status::TooLarge);
  ::RemoveDirectoryA(folder.c_str());
}

}  // namespace

RUN_TESTS()
