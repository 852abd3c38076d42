// The favourites menu: a pop-up menu mirroring the user's favourites folder,
// rebuilt from the file system each time it opens, and the command table that
// maps its item ids to the files they open.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/text.h"
#include "shell/resource_ids.h"

namespace qv {

inline constexpr int FAVORITE_ITEMS_MAX = 1000;
// Bytes kept of the favourites folder's location as the registry gives it,
// terminator included.
inline constexpr std::size_t FAVORITES_FOLDER_CAPACITY = 1024;

struct FavoriteItem {
  std::uint32_t id = 0;
  Text path = {};
};

class FavoritesMenu {
 public:
  explicit FavoritesMenu(Platform& platform);
  FavoritesMenu(const FavoritesMenu&) = delete;
  FavoritesMenu& operator=(const FavoritesMenu&) = delete;

  // Reads the folder's location from the shell-folder settings; 1 when the
  // key could be opened, else 0 (and the folder is left as it was).
  int ReadFavoritesFolder();
  // Rebuilds the menu from the folder. Does nothing while the menu is being
  // tracked, so that the open menu is never destroyed under the user.
  void BuildFavoritesMenu();
  // Runs `track`, which tracks menu() for the view until it closes, with the
  // menu marked as being tracked. A call made while it already is (a
  // favourites command posted by the pad reaches the view during tracking) is
  // refused (Failed); so is one before the first build.
  Status TrackFavoritesMenu(const std::function<Status(MenuHandle)>& track);
  // Takes a command of the menu: true when `commandId` is one of its items
  // (opened through the shell when `notificationCode` is 0). `probe` is true
  // when the caller only asks whether a handler exists; then nothing matches.
  bool DispatchFavoriteCommand(std::uint32_t commandId, std::uint32_t notificationCode, bool probe,
                               WindowHandle owner);

  MenuHandle menu() const { return favoritesMenu_.get(); }
  const char* folder() const { return favoritesFolder_; }
  int itemCount() const { return favoriteItemCount_; }
  const FavoriteItem& item(int k) const { return favoriteItems_[k]; }
  bool tracking() const { return tracking_; }

 private:
  // The texts of one menu's items in menu order (subfolders first, then
  // files), kept beside the menu so that finding an insertion point does not
  // read every item back from the system.
  using MenuTexts = std::vector<std::string>;

  // Walks `folder` into `menu`. Returns the number of entries placed, or -1
  // when the folder could not be searched.
  int WalkFolder(MenuHandle menu, const char* folder);
  void AddFavoritesFolder(MenuHandle parentMenu, MenuTexts& parentTexts, const char* parentPath,
                          const char* name, int folderCountInParent);
  bool LimitReached() const { return favoriteItemCount_ >= FAVORITE_ITEMS_MAX; }

  Platform& platform_;
  char favoritesFolder_[FAVORITES_FOLDER_CAPACITY] = {};
  OwnedMenu favoritesMenu_;
  FavoriteItem favoriteItems_[FAVORITE_ITEMS_MAX];
  int favoriteItemCount_ = 0;
  bool tracking_ = false;
};

}  // namespace qv
