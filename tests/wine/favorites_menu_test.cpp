// The favourites menu on the real system: a favourites folder in the prefix,
// found through the shell-folder value the program reads, gives a real menu
// (subfolders first, titles without their extension, hidden entries left
// out, the greyed "(なし)" in an empty subfolder), and choosing an item opens
// its file through the shell.
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/win32_api.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_shell.h"
#include "shell/favorites_menu.h"
#include "tests/wine/check.h"

#include <shlobj.h>

namespace {

constexpr char kShellFolders[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The real shell, with what its opens returned kept for the test.
class RecordingShell final : public qv::Shell {
 public:
  bool NotifyIcon(qv::NotifyOp op, const qv::NotifyIconRecord& record) override {
    return shell_.NotifyIcon(op, record);
  }
  std::intptr_t Open(qv::WindowHandle owner, const char* file, std::int32_t showCommand) override {
    const std::intptr_t result = shell_.Open(owner, file, showCommand);
    opens.push_back(Opened{file, showCommand, result});
    return result;
  }
  qv::IconHandle LoadSmallIcon(std::uint32_t resourceId) override {
    return shell_.LoadSmallIcon(resourceId);
  }
  void DestroyIcon(qv::IconHandle icon) override { shell_.DestroyIcon(icon); }

  struct Opened {
    std::string file;
    std::int32_t showCommand;
    std::intptr_t result;
  };
  std::vector<Opened> opens;

 private:
  qv::Win32Shell shell_;
};

// The value the program reads, as the test reads it.
std::string FavoritesValue() {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return {};
  char value[1024] = {};
  DWORD size = sizeof value - 1;
  const LONG status = ::RegQueryValueExA(key, "Favorites", nullptr, nullptr,
                                         reinterpret_cast<BYTE*>(value), &size);
  ::RegCloseKey(key);
  return status == ERROR_SUCCESS ? std::string(value) : std::string();
}

std::wstring Widen(const std::string& ansi) {
  wchar_t wide[1024] = {};
  ::MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide, 1024);
  return wide;
}

// The entries the test puts into the favourites folder, taken out again at
// the end whatever happened.
class FavoritesTree {
 public:
  explicit FavoritesTree(std::wstring folder) : folder_(std::move(folder)) {}
  ~FavoritesTree() {
    for (auto it = files_.rbegin(); it != files_.rend(); ++it) {
      ::SetFileAttributesW(it->c_str(), FILE_ATTRIBUTE_NORMAL);
      ::DeleteFileW(it->c_str());
    }
    for (auto it = folders_.rbegin(); it != folders_.rend(); ++it) {
      ::SetFileAttributesW(it->c_str(), FILE_ATTRIBUTE_NORMAL);
      ::RemoveDirectoryW(it->c_str());
    }
  }
  FavoritesTree(const FavoritesTree&) = delete;
  FavoritesTree& operator=(const FavoritesTree&) = delete;

  bool Folder(const std::wstring& name, DWORD attributes = 0) {
    const std::wstring path = folder_ + L"\\" + name;
    if (!::CreateDirectoryW(path.c_str(), nullptr)) return false;
    folders_.push_back(path);
    return attributes == 0 || ::SetFileAttributesW(path.c_str(), attributes);
  }
  bool File(const std::wstring& name, const char* content, DWORD attributes = 0) {
    const std::wstring path = folder_ + L"\\" + name;
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    files_.push_back(path);
    DWORD written = 0;
    const BOOL ok = ::WriteFile(file, content, static_cast<DWORD>(std::strlen(content)), &written,
                                nullptr);
    ::CloseHandle(file);
    return ok && (attributes == 0 || ::SetFileAttributesW(path.c_str(), attributes));
  }

 private:
  std::wstring folder_;
  std::vector<std::wstring> files_;
  std::vector<std::wstring> folders_;
};

struct Entry {
  std::wstring text;
  UINT state;
  HMENU submenu;
  UINT id;
};

std::vector<Entry> ReadMenu(HMENU menu) {
  std::vector<Entry> entries;
  const int count = ::GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[300] = {};
    ::GetMenuStringW(menu, static_cast<UINT>(i), text, 300, MF_BYPOSITION);
    entries.push_back(Entry{text, ::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION),
                            ::GetSubMenu(menu, i), ::GetMenuItemID(menu, i)});
  }
  return entries;
}

void Print(const std::vector<Entry>& entries) {
  for (const Entry& e : entries)
    std::printf("    \"%ls\"%s%s\n", e.text.c_str(), e.submenu ? " (submenu)" : "",
                (e.state & MF_GRAYED) ? " (greyed)" : "");
}

const Entry* Find(const std::vector<Entry>& entries, const std::wstring& text) {
  for (const Entry& e : entries)
    if (e.text == text) return &e;
  return nullptr;
}

// Closes the viewer an open started, so that it does not linger on the
// shared display (the runner ends everything in the prefix anyway).
void CloseViewerOf(const wchar_t* className) {
  for (int i = 0; i < 100; ++i) {
    const HWND viewer = ::FindWindowW(className, nullptr);
    if (viewer != nullptr) {
      ::PostMessageW(viewer, WM_CLOSE, 0, 0);
      return;
    }
    ::Sleep(50);
  }
}

TEST_CASE(favourites_folder_gives_a_real_menu_and_its_items_open) {
  // The shell makes the folder and names it in the shell-folder settings.
  char made[MAX_PATH] = {};
  CHECK(SUCCEEDED(::SHGetFolderPathA(nullptr, CSIDL_FAVORITES | CSIDL_FLAG_CREATE, nullptr,
                                     SHGFP_TYPE_CURRENT, made)));
  const std::string folder = FavoritesValue();
  CHECK(!folder.empty());
  if (folder.empty()) return;
  CHECK(::GetFileAttributesA(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
  std::printf("  favourites folder: %s\n", folder.c_str());

  {
    FavoritesTree tree(Widen(folder));
    CHECK(tree.File(L"b.url", "[InternetShortcut]\r\nURL=http://b.example/\r\n"));
    CHECK(tree.File(L"A.url", "[InternetShortcut]\r\nURL=http://a.example/\r\n"));
    CHECK(tree.File(L"news.old.url", "[InternetShortcut]\r\nURL=http://news.example/\r\n"));
    CHECK(tree.File(L"notes.ini", "[Quorvantix]\r\ntest=favourites\r\n"));
    CHECK(tree.File(L"secret.url", "x", FILE_ATTRIBUTE_HIDDEN));
    CHECK(tree.Folder(L"Zeta Folder"));
    CHECK(tree.File(L"Zeta Folder\\inner.url", "x"));
    CHECK(tree.Folder(L"Empty Folder"));
    CHECK(tree.File(L"Empty Folder\\desktop.ini", "x",
                    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    CHECK(tree.Folder(L"Hidden Folder", FILE_ATTRIBUTE_HIDDEN));
    CHECK(tree.File(L"Hidden Folder\\lost.url", "x"));

    qv::Win32Platform win;
    RecordingShell shell;
    const qv::Platform& real = win.platform();
    qv::Platform platform{real.joystick, real.timer,    real.sound,   real.input,
                          real.windows,  real.menus,    shell,        real.registry,
                          real.process,  real.files,    real.dialogs};
    // About a quarter of a megabyte: kept off the stack.
    auto favorites = std::make_unique<qv::FavoritesMenu>(platform);
    CHECK_EQ(favorites->ReadFavoritesFolder(), 1);
    CHECK(std::string(favorites->folder()) == folder);
    favorites->BuildFavoritesMenu();
    const HMENU menu = reinterpret_cast<HMENU>(favorites->menu());
    CHECK(::IsMenu(menu));
    if (!::IsMenu(menu)) return;

    // The test's entries, in the order the menu shows them (whatever else
    // the prefix keeps in the folder may sit between them).
    const std::vector<Entry> top = ReadMenu(menu);
    std::vector<std::wstring> expected = {L"Empty Folder", L"Zeta Folder", L"A", L"b"};
    expected.push_back(L"news.old");
    expected.push_back(L"notes");
    std::vector<std::wstring> seen;
    for (const Entry& e : top)
      for (const std::wstring& x : expected)
        if (e.text == x) seen.push_back(e.text);
    if (!CHECK(seen == expected)) Print(top);
    CHECK(Find(top, L"secret") == nullptr);
    CHECK(Find(top, L"Hidden Folder") == nullptr);
    // Subfolders come before every file.
    bool fileSeen = false;
    bool folderAfterFile = false;
    for (const Entry& e : top) {
      if (e.submenu == nullptr) fileSeen = true;
      else if (fileSeen) folderAfterFile = true;
    }
    CHECK(!folderAfterFile);

    const Entry* zeta = Find(top, L"Zeta Folder");
    CHECK(zeta != nullptr && zeta->submenu != nullptr && (zeta->state & MF_POPUP));
    if (zeta != nullptr && zeta->submenu != nullptr) {
      const std::vector<Entry> inner = ReadMenu(zeta->submenu);
      CHECK_EQ(inner.size(), 1u);
      CHECK(!inner.empty() && inner[0].text == L"inner" && !(inner[0].state & MF_GRAYED));
    }
    const Entry* empty = Find(top, L"Empty Folder");
    CHECK(empty != nullptr && empty->submenu != nullptr);
    if (empty != nullptr && empty->submenu != nullptr) {
      const std::vector<Entry> inner = ReadMenu(empty->submenu);
      CHECK_EQ(inner.size(), 1u);
      // The program's own text, shown as the Japanese it is on any code page.
      if (!CHECK(!inner.empty() && inner[0].text == L"(なし)" && (inner[0].state & MF_GRAYED)))
        Print(inner);
    }

    // Choosing "notes" opens the file it stands for, through the shell (a
    // type the prefix knows how to open: its viewer is the system's editor).
    const Entry* notes = Find(top, L"notes");
    CHECK(notes != nullptr);
    if (notes == nullptr) return;
    CHECK(notes->id >= qv::FAVORITE_ID_BASE);
    CHECK(!favorites->DispatchFavoriteCommand(notes->id, 0, true, 0));
    CHECK(shell.opens.empty());
    CHECK(favorites->DispatchFavoriteCommand(notes->id, 0, false, 0));
    CHECK_EQ(shell.opens.size(), 1u);
    if (!shell.opens.empty()) {
      const RecordingShell::Opened& opened = shell.opens[0];
      CHECK(opened.file == folder + "\\notes.ini");
      if (!CHECK(opened.result > 32)) std::printf("  the shell answered %d\n",
                                                  static_cast<int>(opened.result));
      CHECK(opened.showCommand != SW_HIDE);
      CloseViewerOf(L"Notepad");
    }
  }
  // The folder is as the test found it.
  qv::Win32Platform again;
  auto after = std::make_unique<qv::FavoritesMenu>(again.platform());
  CHECK_EQ(after->ReadFavoritesFolder(), 1);
  after->BuildFavoritesMenu();
  CHECK(Find(ReadMenu(reinterpret_cast<HMENU>(after->menu())), L"notes") == nullptr);
}

}  // namespace

RUN_TESTS()
