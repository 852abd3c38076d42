// The favourites menu on the real system: a folder tree in the prefix, named
// by the shell-folder settings, becomes a real pop-up menu (read back through
// the system's own menu functions), and choosing an item opens the file
// through the shell.
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "framework/messages.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_platform.h"
#include "shell/favorites_menu.h"
#include "tests/wine/check.h"

namespace {

constexpr char kShellFolders[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The real shell, with the result of every open kept for the test.
class RecordingShell final : public qv::Shell {
 public:
  explicit RecordingShell(qv::Shell& real) : real_(real) {}
  qv::Status NotifyIcon(qv::NotifyOp op, const qv::NotifyIconRecord& record) override {
    return real_.NotifyIcon(op, record);
  }
  std::intptr_t Open(qv::WindowHandle owner, const char* file, std::int32_t show) override {
    const std::intptr_t result = real_.Open(owner, file, show);
    opened.push_back(file);
    results.push_back(result);
    return result;
  }
  // The real shell's icons come owned by the real shell, which frees them.
  qv::OwnedIcon LoadSmallIcon(std::uint32_t id) override { return real_.LoadSmallIcon(id); }
  qv::OwnedIcon LoadLargeIcon(std::uint32_t id) override { return real_.LoadLargeIcon(id); }
  qv::Status SpecialFolderPath(qv::WindowHandle owner, int csidl, char* path,
                               std::size_t capacity) override {
    return real_.SpecialFolderPath(owner, csidl, path, capacity);
  }
  qv::Status SaveShortcut(const char* folder, const char* name,
                          const qv::ShortcutRecord& link) override {
    return real_.SaveShortcut(folder, name, link);
  }
  qv::Status RemoveShortcut(const char* folder, const char* name) override {
    return real_.RemoveShortcut(folder, name);
  }
  qv::Status BrowseForFolder(qv::WindowHandle owner, const char* title, std::uint32_t flags,
                             char* path, std::size_t capacity) override {
    return real_.BrowseForFolder(owner, title, flags, path, capacity);
  }
  std::vector<std::string> opened;
  std::vector<std::intptr_t> results;

 private:
  void Release(qv::IconKind, qv::IconHandle) override {}

  qv::Shell& real_;
};

// The "Favorites" value pointed at a folder of the test's for as long as it
// lives, and put back as it was afterwards.
class FavoritesValue {
 public:
  explicit FavoritesValue(const std::string& folder) {
    ::RegCreateKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                      &key_, nullptr);
    DWORD size = sizeof old_;
    DWORD type = 0;
    had_ = ::RegQueryValueExA(key_, "Favorites", nullptr, &type,
                              reinterpret_cast<BYTE*>(old_), &size) == ERROR_SUCCESS;
    oldType_ = type;
    oldSize_ = size;
    ::RegSetValueExA(key_, "Favorites", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                     static_cast<DWORD>(folder.size() + 1));
  }
  ~FavoritesValue() {
    if (had_)
      ::RegSetValueExA(key_, "Favorites", 0, oldType_, reinterpret_cast<const BYTE*>(old_), oldSize_);
    else
      ::RegDeleteValueA(key_, "Favorites");
    ::RegCloseKey(key_);
  }
  FavoritesValue(const FavoritesValue&) = delete;
  FavoritesValue& operator=(const FavoritesValue&) = delete;

 private:
  HKEY key_ = nullptr;
  char old_[1024] = {};
  bool had_ = false;
  DWORD oldType_ = 0;
  DWORD oldSize_ = 0;
};

// A fresh prefix may know the text-document class without mapping ".txt"
// to it; the test maps it while it runs. Wine's classes root is the
// machine's classes key (the user's own is not merged into it).
class TextAssociation {
 public:
  TextAssociation() {
    char value[64] = {};
    LONG size = sizeof value;
    if (::RegQueryValueA(HKEY_CLASSES_ROOT, ".txt", value, &size) == ERROR_SUCCESS && value[0])
      return;
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CLASSES_ROOT, ".txt", 0, nullptr, 0,
                          KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
      return;
    ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>("txtfile"), 8);
    ::RegCloseKey(key);
    added_ = true;
  }
  ~TextAssociation() {
    if (added_) ::RegDeleteKeyA(HKEY_CLASSES_ROOT, ".txt");
  }
  TextAssociation(const TextAssociation&) = delete;
  TextAssociation& operator=(const TextAssociation&) = delete;

 private:
  bool added_ = false;
};

void WriteFile(const std::string& path, const char* text, DWORD attributes = 0) {
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fputs(text, f);
    std::fclose(f);
  }
  if (attributes) ::SetFileAttributesA(path.c_str(), attributes);
}

std::string MakeTree() {
  char temp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  std::string root = std::string(temp) + "qv-favorites-" + std::to_string(::GetCurrentProcessId());
  ::CreateDirectoryA(root.c_str(), nullptr);
  const char* link = "[InternetShortcut]\r\nURL=about:blank\r\n";
  ::CreateDirectoryA((root + "\\Zeta").c_str(), nullptr);
  WriteFile(root + "\\Zeta\\inner.url", link);
  ::CreateDirectoryA((root + "\\Secret").c_str(), nullptr);
  WriteFile(root + "\\Secret\\hidden away.url", link);
  ::SetFileAttributesA((root + "\\Secret").c_str(), FILE_ATTRIBUTE_HIDDEN);
  ::CreateDirectoryA((root + "\\Only hidden").c_str(), nullptr);
  WriteFile(root + "\\Only hidden\\h.url", link, FILE_ATTRIBUTE_HIDDEN);
  WriteFile(root + "\\b.url", link);
  WriteFile(root + "\\A.url", link);
  WriteFile(root + "\\a.lnk", "not really a link");
  WriteFile(root + "\\news.old.url", link);
  WriteFile(root + "\\desktop.ini", "[.ShellClassInfo]\r\n",
            FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  WriteFile(root + "\\note.txt", "Opened from the favourites menu.\r\n");
  return root;
}

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA data;
  HANDLE search = ::FindFirstFileA((folder + "\\*.*").c_str(), &data);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(path);
      else
        ::DeleteFileA(path.c_str());
    } while (::FindNextFileA(search, &data));
    ::FindClose(search);
  }
  ::SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
  ::RemoveDirectoryA(folder.c_str());
}

std::wstring ItemText(HMENU menu, int position) {
  wchar_t text[300] = {};
  ::GetMenuStringW(menu, static_cast<UINT>(position), text, 300, MF_BYPOSITION);
  return text;
}

int Find(HMENU menu, const wchar_t* text) {
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i)
    if (ItemText(menu, i) == text) return i;
  return -1;
}

// Notepad, opened by the shell for the .txt item: true when it shows the
// file; closed again either way.
bool NotepadShows(const wchar_t* fileName) {
  const DWORD start = ::GetTickCount();
  while (::GetTickCount() - start < 15000) {
    if (HWND notepad = ::FindWindowW(L"Notepad", nullptr)) {
      ::Sleep(300);
      wchar_t title[300] = {};
      ::GetWindowTextW(notepad, title, 300);
      ::PostMessageW(notepad, WM_CLOSE, 0, 0);
      return std::wcsstr(title, fileName) != nullptr;
    }
    ::Sleep(100);
  }
  return false;
}

TEST_CASE(TheFolderTreeBecomesARealMenuAndAnItemOpensItsFile) {
  const std::string root = MakeTree();
  FavoritesValue value(root);
  TextAssociation textFiles;

  qv::Win32Platform win32;
  qv::Platform& real = win32.platform();
  RecordingShell shell(real.shell);
  qv::Platform platform{real.joystick, real.timer,    real.sound,   real.input,
                        real.windows,  real.menus,    shell,        real.registry,
                        real.process,  real.files,    real.dialogs};
  qv::FavoritesMenu favorites(platform);
  CHECK_EQ(favorites.ReadFavoritesFolder(), 1);
  CHECK(root == favorites.folder());
  favorites.BuildFavoritesMenu();
  const HMENU menu = reinterpret_cast<HMENU>(favorites.menu());
  CHECK(::IsMenu(menu));

  // Folders first, in order; the hidden folder and the hidden system file
  // are not there; titles lose their last extension.
  CHECK_EQ(::GetMenuItemCount(menu), 7);
  CHECK(ItemText(menu, 0) == L"Only hidden");
  CHECK(ItemText(menu, 1) == L"Zeta");
  const std::wstring third = ItemText(menu, 2);
  const std::wstring fourth = ItemText(menu, 3);
  CHECK((third == L"A" && fourth == L"a") || (third == L"a" && fourth == L"A"));
  CHECK(ItemText(menu, 4) == L"b");
  CHECK(ItemText(menu, 5) == L"news.old");
  CHECK(ItemText(menu, 6) == L"note");
  CHECK_EQ(Find(menu, L"Secret"), -1);
  CHECK_EQ(Find(menu, L"desktop"), -1);

  // A folder of hidden files holds only the greyed placeholder, in Japanese
  // whatever the system's code page.
  const HMENU onlyHidden = ::GetSubMenu(menu, 0);
  CHECK(onlyHidden != nullptr);
  CHECK_EQ(::GetMenuItemCount(onlyHidden), 1);
  CHECK(ItemText(onlyHidden, 0) == L"(なし)");
  CHECK((::GetMenuState(onlyHidden, 0, MF_BYPOSITION) & MF_GRAYED) != 0);
  const HMENU zeta = ::GetSubMenu(menu, 1);
  CHECK(zeta != nullptr);
  CHECK_EQ(::GetMenuItemCount(zeta), 1);
  CHECK(ItemText(zeta, 0) == L"inner");
  CHECK((::GetMenuState(zeta, 0, MF_BYPOSITION) & MF_GRAYED) == 0);

  // Choosing "note" opens note.txt through the shell.
  const UINT id = ::GetMenuItemID(menu, 6);
  CHECK(id >= FAVORITE_ID_BASE && id < FAVORITE_ID_BASE + 1000);
  CHECK(favorites.DispatchFavoriteCommand(id, 0, false, 0));
  CHECK_EQ(shell.opened.size(), 1u);
  if (!shell.opened.empty()) {
    CHECK(shell.opened[0] == root + "\\note.txt");
    if (!CHECK(shell.results[0] > 32))
      std::printf("  the shell answered %lld\n", static_cast<long long>(shell.results[0]));
    else
      CHECK(NotepadShows(L"note"));
  }
  // A probe or a menu-update query opens nothing.
  CHECK(!favorites.DispatchFavoriteCommand(id, 0, true, 0));
  CHECK(favorites.DispatchFavoriteCommand(id, qv::CN_UPDATE_COMMAND_UI, false, 0));
  CHECK_EQ(shell.opened.size(), 1u);

  // A rebuild replaces the menu; the old one is gone.
  favorites.BuildFavoritesMenu();
  CHECK(!::IsMenu(menu));
  CHECK(::IsMenu(reinterpret_cast<HMENU>(favorites.menu())));
  RemoveTree(root);
  CHECK(::GetFileAttributesA(root.c_str()) == INVALID_FILE_ATTRIBUTES);
}

TEST_CASE(AMissingFolderGivesAnEmptyMenu) {
  FavoritesValue value("C:\\no such folder here");
  qv::Win32Platform win32;
  qv::FavoritesMenu favorites(win32.platform());
  CHECK_EQ(favorites.ReadFavoritesFolder(), 1);
  favorites.BuildFavoritesMenu();
  CHECK(::IsMenu(reinterpret_cast<HMENU>(favorites.menu())));
  CHECK_EQ(::GetMenuItemCount(reinterpret_cast<HMENU>(favorites.menu())), 0);
}

}  // namespace

RUN_TESTS()
