// Shared set-up of the favourites menu tests: a simulated platform whose
// registry names C:\Fav as the favourites folder, and a compact picture of a
// built menu ("Z{x} A a b", a greyed item marked with a trailing '~').
#pragma once

#include <gtest/gtest.h>

#include <string>

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

  std::string Describe(MenuHandle menu) const {
    std::string out;
    for (const sim::SimMenuItem& item : sim.menus.Items(menu)) {
      if (!out.empty()) out += ' ';
      out += item.text;
      if (item.submenu) out += '{' + Describe(item.submenu) + '}';
      if (item.state & kMfGrayed) out += '~';
    }
    return out;
  }

  const sim::SimMenuItem& Item(MenuHandle menu, std::size_t position) const {
    return sim.menus.Items(menu).at(position);
  }

  sim::SimPlatform sim;
  FavoritesMenu favorites{sim.platform};
};

}  // namespace qv::testing
