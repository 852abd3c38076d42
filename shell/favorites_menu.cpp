// Building the favourites menu from the folder tree, and opening the file
// behind a chosen item.
#include "shell/favorites_menu.h"

#include <cstring>
#include <memory>
#include <utility>

#include "platform/constants.h"
#include "shell/favorites_compare.h"
#include "shell/texts.h"

namespace qv {
namespace {

constexpr char kShellFoldersKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr char kFavoritesValue[] = "Favorites";
constexpr char kSearchPattern[] = "\\*.*";

// Paths are kept and searched in the system's fixed path buffers: 259 bytes
// of text at most, the search pattern included.
constexpr std::size_t kMaxPathText = kMaxPath - 1;

// `folder`, a backslash and `name` into `path`; false when that would pass
// the path limit (and `path` is then not to be used).
bool JoinPath(char (&path)[kMaxPath], const char* folder, const char* name) {
  const std::size_t folderLength = std::strlen(folder);
  const std::size_t nameLength = std::strlen(name);
  if (folderLength + 1 + nameLength > kMaxPathText) return false;
  std::memcpy(path, folder, folderLength);
  path[folderLength] = '\\';
  std::memcpy(path + folderLength + 1, name, nameLength + 1);
  return true;
}

// The menu text of a file: its name without the last extension. A '.' is
// never the second byte of a double-byte character, so a byte scan is safe.
void TitleOf(const char* name, char (&title)[kMaxPath]) {
  CopyText(title, name);
  char* dot = std::strrchr(title, '.');
  if (dot) *dot = '\0';
}

bool IsDotEntry(const char* name) {
  return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

}  // namespace

FavoritesMenu::FavoritesMenu(Platform& platform) : platform_(platform) {}

int FavoritesMenu::ReadFavoritesFolder() {
  Registry& registry = platform_.registry;
  if (!Succeeded(registry.KeyExists(Hive::CurrentUser, kShellFoldersKey))) return 0;
  char value[sizeof favoritesFolder_];
  RegType type = RegType::None;  // not examined: any type is taken as text
  std::size_t size = 0;
  const Status status = registry.QueryValue(Hive::CurrentUser, kShellFoldersKey, kFavoritesValue,
                                            type, value, sizeof value, size);
  favoritesFolder_[0] = '\0';
  if (Succeeded(status) && size > 0) {
    // The stored text need not carry its terminator; one that fills the whole
    // buffer without one does not fit.
    if (value[size - 1] == '\0' || size < sizeof value) {
      value[size < sizeof value ? size : size - 1] = '\0';
      CopyText(favoritesFolder_, value);
    }
  }
  return 1;
}

void FavoritesMenu::BuildFavoritesMenu() {
  if (tracking_) return;
  // The old menu goes first, so that only one tree of handles is ever alive.
  favoritesMenu_.reset();
  favoritesMenu_ = platform_.menus.CreatePopupMenu();
  favoriteItemCount_ = 0;
  // With no folder the search pattern would name the current drive's root;
  // walking a whole drive into a menu helps nobody, so the menu stays empty.
  if (favoritesFolder_[0] == '\0') return;
  WalkFolder(favoritesMenu_.get(), favoritesFolder_);
}

int FavoritesMenu::WalkFolder(MenuHandle menu, const char* folder) {
  char pattern[kMaxPath];
  if (std::strlen(folder) + std::strlen(kSearchPattern) > kMaxPathText) return -1;
  CopyText(pattern, folder);
  if (!AppendText(pattern, sizeof pattern, kSearchPattern)) return -1;
  std::unique_ptr<FileSearch> search = platform_.files.Find(pattern);
  if (!search) return -1;

  Menus& menus = platform_.menus;
  MenuTexts texts;
  int folders = 0;
  int items = 0;
  FileEntry entry;
  while (search->Next(entry)) {
    if (IsDotEntry(entry.name)) continue;
    if (entry.attributes & (kFileAttributeHidden | kFileAttributeSystem)) continue;
    if (entry.attributes & kFileAttributeDirectory) {
      AddFavoritesFolder(menu, texts, folder, entry.name, folders);
      ++folders;
    } else {
      FavoriteItem& item = favoriteItems_[favoriteItemCount_];
      char path[kMaxPath];
      // A file whose full path would pass the limit could not be opened by
      // it; it is left out as if it were not there.
      if (!JoinPath(path, folder, entry.name)) continue;
      char title[kMaxPath];
      TitleOf(entry.name, title);
      int p = folders;
      while (p < items && CompareFavoriteText(texts[static_cast<std::size_t>(p)].c_str(), title) <= 0)
        ++p;
      item.id = FAVORITE_ID_BASE + static_cast<std::uint32_t>(favoriteItemCount_);
      CopyText(item.path, path);
      Ignore(menus.InsertItem(menu, p, item.id, TextCode::System, title));
      texts.insert(texts.begin() + p, title);
      ++favoriteItemCount_;
    }
    ++items;
    if (LimitReached()) break;
  }
  return items;
}

void FavoritesMenu::AddFavoritesFolder(MenuHandle parentMenu, MenuTexts& parentTexts,
                                       const char* parentPath, const char* name,
                                       int folderCountInParent) {
  Menus& menus = platform_.menus;
  OwnedMenu submenu = menus.CreatePopupMenu();
  // A folder whose path passes the limit cannot be searched; it shows as an
  // empty folder. Nesting is bounded the same way: every level adds at least
  // two bytes to the path.
  char path[kMaxPath];
  const int placed = JoinPath(path, parentPath, name) ? WalkFolder(submenu.get(), path) : -1;
  if (placed <= 0) {
    FavoriteItem& item = favoriteItems_[favoriteItemCount_];
    item.id = FAVORITE_ID_BASE + static_cast<std::uint32_t>(favoriteItemCount_);
    item.path[0] = '\0';
    Ignore(menus.AppendItem(submenu.get(), kMfString | kMfGrayed, item.id, TextCode::Program,
                           kEmptyFolderText));
    ++favoriteItemCount_;
  }
  int p = 0;
  while (p < folderCountInParent &&
         CompareFavoriteText(parentTexts[static_cast<std::size_t>(p)].c_str(), name) <= 0)
    ++p;
  Ignore(menus.InsertSubMenu(parentMenu, p, std::move(submenu), TextCode::System, name));
  parentTexts.insert(parentTexts.begin() + p, name);
}

Status FavoritesMenu::TrackFavoritesMenu(const std::function<Status(MenuHandle)>& track) {
  if (tracking_ || !favoritesMenu_) return Status::Failed;
  tracking_ = true;
  const Status tracked = track(favoritesMenu_.get());
  tracking_ = false;
  return tracked;
}

bool FavoritesMenu::DispatchFavoriteCommand(std::uint32_t commandId, std::uint32_t notificationCode,
                                            bool probe, WindowHandle owner) {
  // Ids below the base are never items; unused entries hold id 0.
  if (probe || commandId < FAVORITE_ID_BASE) return false;
  for (int k = FAVORITE_ITEMS_MAX - 1; k >= 0; --k) {
    const FavoriteItem& item = favoriteItems_[k];
    if (item.id != commandId) continue;
    // The greyed "(なし)" entry has no path; handing the shell an empty name
    // would open the current folder, so it is taken and nothing is opened.
    if (notificationCode == 0 && item.path[0] != '\0') {
      // Opened as a double click would: shown in its normal state.
      platform_.shell.Open(owner, item.path, kSwShowDefault);
    }
    return true;
  }
  return false;
}

}  // namespace qv
