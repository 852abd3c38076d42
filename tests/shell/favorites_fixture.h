// Shared set-up of the favourites menu tests: a simulated platform whose
// registry names C:\Fav as the favourites folder, and a compact picture of a
// built menu ("Z{x} A a b", a greyed item marked with a trailing '~').
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/constants.h"
#include "platform/sim/sim_platform.h"
#include "shell/favorites_menu.h"

namespace qv::testing {

inline constexpr char kShellFolders[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

class FavoritesTest : public ::testing::Test {
 protected:
  void UseFolder(const std::string& folder) {
    sim.registry.PutString(Hive::CurrentUser, kShellFolders, "Favorites", folder);
    ASSERT_EQ(favorites.ReadFavoritesFolder(), 1);
  }
  void SetUp() override { UseFolder("C:\\Fav"); }

  // Builds the menu and describes it.
  std::string Build() {
    favorites.BuildFavoritesMenu();
    return Describe(favorites.menu());
  }

  std::string Describe(MenuHandle menu) const { return DescribeIn(sim.menus, menu); }

  static std::string DescribeIn(const sim::SimMenus& menus, MenuHandle menu) {
    std::string out;
    for (const sim::SimMenuItem& item : menus.Items(menu)) {
      if (!out.empty()) out += ' ';
      out += item.text;
      if (item.submenu) out += '{' + DescribeIn(menus, item.submenu) + '}';
      if (item.state & kMfGrayed) out += '~';
    }
    return out;
  }

  // The menu that a second platform builds from the same folder with its
  // files listed in the order given.
  static std::string BuildListedAs(const std::vector<std::string>& files) {
    sim::SimPlatform other;
    other.registry.PutString(Hive::CurrentUser, kShellFolders, "Favorites", "C:\\Fav");
    for (const std::string& file : files) other.files.AddFile(file);
    FavoritesMenu menu(other.platform);
    if (menu.ReadFavoritesFolder() != 1) return "(no folder)";
    menu.BuildFavoritesMenu();
    return DescribeIn(other.menus, menu.menu());
  }

  const sim::SimMenuItem& Item(MenuHandle menu, std::size_t position) const {
    return sim.menus.Items(menu).at(position);
  }

  sim::SimPlatform sim;
  FavoritesMenu favorites{sim.platform};
};

}  // namespace qv::testing
