// The favourites menu inside the running program: the command opens it at
// the pointer for the view, a chosen item opens its file, and a second
// favourites command while the menu is open leaves that menu alone.
#include <gtest/gtest.h>

#include "engine/pad_settings.h"
#include "tests/shell/favorites_fixture.h"
#include "tests/shell/shell_rig.h"

namespace qv {
namespace {

constexpr std::uint32_t kIdFavorites = 32773;

struct FavoritesRig : test::ShellRig {
  FavoritesRig() {
    sim.registry.PutString(Hive::CurrentUser, testing::kShellFolders, "Favorites", "C:\\Fav");
    sim.files.AddFile("C:\\Fav\\home.url");
    sim.files.AddFile("C:\\Fav\\News\\paper.url");
    sim.windows.SetCursor(Point{300, 200});
  }
  void Command(std::uint32_t id) {
    sim.windows.SendMessage(frameWindow(), kWmCommand, id, 0);
  }
};

TEST(FavoritesInTheProgram, TheCommandTracksTheFreshMenuAtThePointer) {
  FavoritesRig rig;
  ASSERT_TRUE(rig.Start());
  rig.sim.log.Clear();
  rig.Command(kIdFavorites);
  const auto tracks = rig.sim.log.Of(sim::EffectKind::TrackMenu);
  ASSERT_EQ(tracks.size(), 1u);
  EXPECT_EQ(tracks[0].window, rig.viewWindow());
  EXPECT_EQ(tracks[0].track.x, 300);
  EXPECT_EQ(tracks[0].track.y, 200);
  EXPECT_EQ(tracks[0].track.menu, static_cast<std::int64_t>(rig.view().favorites.menu()));
  EXPECT_EQ(rig.sim.menus.ItemCount(rig.view().favorites.menu()), 2);
}

TEST(FavoritesInTheProgram, AChosenItemOpensItsFileWithTheFrameAsOwner) {
  FavoritesRig rig;
  ASSERT_TRUE(rig.Start());
  rig.sim.menus.onTrack = [&](MenuHandle menu, WindowHandle owner) {
    // The user picks "home"; the system posts its command to the owner.
    const std::uint32_t id = rig.sim.menus.Items(menu).at(1).id;
    Ignore(rig.sim.windows.PostMessage(owner, kWmCommand, id, 0));
  };
  rig.Command(kIdFavorites);
  rig.host.Pump();
  const auto opens = rig.sim.log.Of(sim::EffectKind::ShellOpen);
  ASSERT_EQ(opens.size(), 1u);
  EXPECT_STREQ(opens[0].text, "C:\\Fav\\home.url");
  EXPECT_EQ(opens[0].window, rig.frameWindow());
}

TEST(FavoritesInTheProgram, ASecondCommandWhileTheMenuIsOpenIsIgnored) {
  FavoritesRig rig;
  ASSERT_TRUE(rig.Start());
  bool menuAliveAfterNested = false;
  rig.sim.menus.onTrack = [&](MenuHandle menu, WindowHandle) {
    rig.sim.menus.onTrack = nullptr;
    rig.Command(kIdFavorites);  // the pad's favourites button, taken by the menu's loop
    menuAliveAfterNested = rig.sim.menus.Exists(menu) && rig.view().favorites.menu() == menu;
  };
  const int searchesBefore = rig.sim.files.searches;
  rig.Command(kIdFavorites);
  EXPECT_TRUE(menuAliveAfterNested);
  EXPECT_EQ(rig.sim.log.Count(sim::EffectKind::TrackMenu), 1u);
  EXPECT_EQ(rig.sim.files.searches - searchesBefore, 2) << "one build: the root and News";
  // Once the menu has closed, the command works again.
  rig.Command(kIdFavorites);
  EXPECT_EQ(rig.sim.log.Count(sim::EffectKind::TrackMenu), 2u);
}

TEST(FavoritesInTheProgram, APadButtonOpensTheMenuWhenReleased) {
  FavoritesRig rig;
  ASSERT_TRUE(rig.Start());
  rig.view().engine.settings.ButtonFlags[8] = BA_FAVORITES;
  rig.sim.log.Clear();
  rig.sim.joystick.Press(8);
  rig.host.Advance(30);
  EXPECT_EQ(rig.sim.log.Count(sim::EffectKind::TrackMenu), 0u);
  rig.sim.joystick.Release(8);
  rig.host.Advance(10);
  const auto posts = rig.sim.log.Of(sim::EffectKind::Post);
  ASSERT_EQ(posts.size(), 1u);
  EXPECT_EQ(posts[0].window, rig.frameWindow());
  EXPECT_EQ(posts[0].message.message, kWmCommand);
  EXPECT_EQ(posts[0].message.wParam, kIdFavorites);
  EXPECT_EQ(posts[0].message.lParam, 0);
  EXPECT_EQ(rig.sim.log.Count(sim::EffectKind::TrackMenu), 1u);
}

}  // namespace
}  // namespace qv
