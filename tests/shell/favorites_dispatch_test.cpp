// Choosing a favourites item, the routing rules of its commands, and
// tracking the menu (including a favourites command that arrives meanwhile).
#include <gtest/gtest.h>

#include "framework/messages.h"
#include "tests/shell/favorites_fixture.h"

namespace qv::testing {
namespace {

constexpr WindowHandle kFrame = 0x2000;
constexpr WindowHandle kView = 0x2001;

class FavoritesDispatchTest : public FavoritesTest {
 protected:
  void SetUp() override {
    FavoritesTest::SetUp();
    sim.files.AddFile("C:\\Fav\\News\\paper.url");
    sim.files.AddFile("C:\\Fav\\home.url");
    sim.files.AddFolder("C:\\Fav\\Empty");
    favorites.BuildFavoritesMenu();
    ASSERT_EQ(Describe(favorites.menu()), "Empty{(なし)~} News{paper} home");
  }
};

TEST_F(FavoritesDispatchTest, ACommandOpensTheFullPathThroughTheShell) {
  EXPECT_TRUE(favorites.DispatchFavoriteCommand(FAVORITE_ID_BASE + 1, 0, false, kFrame));
  const auto opens = sim.log.Of(sim::EffectKind::ShellOpen);
  ASSERT_EQ(opens.size(), 1u);
  EXPECT_STREQ(opens[0].text, "C:\\Fav\\home.url");
  EXPECT_EQ(opens[0].window, kFrame);
  EXPECT_EQ(opens[0].open.showCommand, kSwShowDefault);
}

TEST_F(FavoritesDispatchTest, UpdateQueriesAreTakenWithoutOpening) {
  EXPECT_TRUE(favorites.DispatchFavoriteCommand(FAVORITE_ID_BASE + 0, CN_UPDATE_COMMAND_UI, false, kFrame));
  EXPECT_TRUE(favorites.DispatchFavoriteCommand(FAVORITE_ID_BASE + 0, 1, false, kFrame));
  EXPECT_EQ(sim.log.Count(sim::EffectKind::ShellOpen), 0u);
}

TEST_F(FavoritesDispatchTest, ProbesAndOtherCommandsAreNotHandled) {
  EXPECT_FALSE(favorites.DispatchFavoriteCommand(FAVORITE_ID_BASE + 1, 0, true, kFrame));
  EXPECT_FALSE(favorites.DispatchFavoriteCommand(32773, 0, false, kFrame));
  EXPECT_FALSE(favorites.DispatchFavoriteCommand(FAVORITE_ID_BASE + 1000, 0, false, kFrame));
  EXPECT_FALSE(favorites.DispatchFavoriteCommand(0, 0, false, kFrame));
  EXPECT_EQ(sim.log.Count(sim::EffectKind::ShellOpen), 0u);
}

TEST_F(FavoritesDispatchTest, ThePlaceholderIsTakenButOpensNothing) {
  const MenuHandle empty = Item(favorites.menu(), 0).submenu;
  const std::uint32_t id = Item(empty, 0).id;
  EXPECT_TRUE(favorites.DispatchFavoriteCommand(id, 0, false, kFrame));
  EXPECT_EQ(sim.log.Count(sim::EffectKind::ShellOpen), 0u);
}

TEST_F(FavoritesDispatchTest, TheCommandUsesThePathOfTheLastBuildWithoutSearching) {
  const int searches = sim.files.searches;
  EXPECT_TRUE(favorites.DispatchFavoriteCommand(FAVORITE_ID_BASE + 0, 0, false, kFrame));
  EXPECT_EQ(sim.files.searches, searches);
  ASSERT_EQ(sim.log.Count(sim::EffectKind::ShellOpen), 1u);
  EXPECT_STREQ(sim.log.Of(sim::EffectKind::ShellOpen)[0].text, "C:\\Fav\\News\\paper.url");
}

TEST_F(FavoritesDispatchTest, AShellFailureIsNotReported) {
  sim.shell.openResult = 2;
  EXPECT_TRUE(favorites.DispatchFavoriteCommand(FAVORITE_ID_BASE + 1, 0, false, kFrame));
  EXPECT_EQ(sim.log.Count(sim::EffectKind::MessageBox), 0u);
}

class FavoritesTrackingTest : public FavoritesDispatchTest {
 protected:
  // What the view does on the favourites command.
  Status OnFavorites() {
    favorites.BuildFavoritesMenu();
    return favorites.TrackFavoritesMenu([this](MenuHandle menu) {
      return sim.menus.TrackPopupMenu(menu, kTpmLeftAlign | kTpmLeftButton, Point{3, 4}, kView);
    });
  }
};

TEST_F(FavoritesTrackingTest, TrackingRunsOnTheCurrentMenu) {
  EXPECT_TRUE(Succeeded(OnFavorites()));
  const auto tracks = sim.log.Of(sim::EffectKind::TrackMenu);
  ASSERT_EQ(tracks.size(), 1u);
  EXPECT_EQ(tracks[0].track.menu, favorites.menu());
  EXPECT_FALSE(favorites.tracking());
}

TEST_F(FavoritesTrackingTest, AFavouritesCommandDuringTrackingLeavesTheOpenMenuAlone) {
  bool nestedTracked = true;
  MenuHandle open = 0;
  bool trackedMenuAlive = false;
  sim.menus.onTrack = [&](MenuHandle menu, WindowHandle) {
    open = menu;
    nestedTracked = Succeeded(OnFavorites());  // the pad's command, taken by the menu's loop
    trackedMenuAlive = sim.menus.Exists(menu);
  };
  EXPECT_TRUE(Succeeded(OnFavorites()));
  EXPECT_FALSE(nestedTracked);
  EXPECT_TRUE(trackedMenuAlive);
  EXPECT_EQ(favorites.menu(), open);
  EXPECT_EQ(sim.log.Count(sim::EffectKind::TrackMenu), 1u);

  sim.menus.onTrack = nullptr;
  EXPECT_TRUE(Succeeded(OnFavorites()));  // once closed, the next command rebuilds
  EXPECT_NE(favorites.menu(), open);
  EXPECT_FALSE(sim.menus.Exists(open));
}

TEST(FavoritesTracking, NothingToTrackBeforeTheFirstBuild) {
  sim::SimPlatform sim;
  FavoritesMenu favorites(sim.platform);
  bool called = false;
  EXPECT_EQ(favorites.TrackFavoritesMenu([&](MenuHandle) {
    called = true;
    return Status::Ok;
  }),
            Status::Failed);
  EXPECT_FALSE(called);
}

}  // namespace
}  // namespace qv::testing
