// The icon's pop-up menu as the user works it: it opens on the right
// button's press at the pointer as it is when the press is handled, shows
// the program's seven items (two greyed while the setup sheet is open), and
// its commands reach the view, the frame or the application.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/dialog.h"
#include "shell/shell_constants.h"
#include "tests/shell/shell_rig.h"

namespace qv {
namespace {

using test::ShellRig;

struct SeenItem {
  std::string text;
  std::uint32_t id;
  std::uint32_t state;
};

class PopUpMenu : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(rig.Start());
    rig.sim.log.Clear();
    rig.sim.menus.onTrack = [this](MenuHandle menu, WindowHandle) {
      seen.clear();
      for (const sim::SimMenuItem& item : rig.sim.menus.Items(menu))
        seen.push_back({item.text, item.id, item.state});
      // The user chooses once; a menu opened by that choice is left alone.
      if (choose != 0)
        Ignore(rig.sim.windows.PostMessage(rig.frameWindow(), kWmCommand, choose, 0));
      choose = 0;
    };
  }
  void RightButton() { rig.IconEvent(kWmRButtonDown); }

  ShellRig rig;
  std::vector<SeenItem> seen;
  std::uint32_t choose = 0;
};

TEST_F(PopUpMenu, OpensAtThePointerReadWhenThePressIsHandled) {
  rig.sim.windows.SetCursor(Point{10, 20});
  Ignore(rig.sim.windows.PostMessage(rig.viewWindow(), kWmNotifyIcon, 1, kWmRButtonDown));
  rig.sim.windows.SetCursor(Point{300, 400});  // the pointer moved on meanwhile
  rig.host.Pump();
  const auto tracks = rig.sim.log.Of(sim::EffectKind::TrackMenu);
  ASSERT_EQ(tracks.size(), 1u);
  EXPECT_EQ(tracks[0].track.x, 300);
  EXPECT_EQ(tracks[0].track.y, 400);
  EXPECT_EQ(tracks[0].track.flags, kTpmLeftAlign | kTpmRightButton);
  EXPECT_EQ(tracks[0].window, rig.frameWindow()) << "owned by the main frame";
  // The view came to the foreground first, and the menu is gone afterwards.
  const auto& all = rig.sim.log.All();
  std::size_t foreground = all.size(), track = all.size();
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (all[i].kind == sim::EffectKind::Foreground && all[i].window == rig.viewWindow())
      foreground = i;
    if (all[i].kind == sim::EffectKind::TrackMenu) track = i;
  }
  EXPECT_LT(foreground, track);
  EXPECT_EQ(rig.sim.menus.LiveCount(), 0);
}

TEST_F(PopUpMenu, AMenuResourceWithoutItsPopUpTracksNothingAndLeaksNothing) {
  rig.sim.menus.RegisterResource(IDR_POPUP_MENU, [](sim::SimMenus&, MenuHandle) {});
  RightButton();
  EXPECT_TRUE(rig.sim.log.Of(sim::EffectKind::TrackMenu).empty());
  EXPECT_EQ(rig.sim.menus.LiveCount(), 0);
}

TEST_F(PopUpMenu, ShowsTheSevenItemsAllUsable) {
  RightButton();
  ASSERT_EQ(seen.size(), 7u);
  const std::vector<std::pair<std::string, std::uint32_t>> expected = {
      {"セットアップ(&S)...", 32772}, {"お気に入り(&F)...", 32773}, {"", 0},
      {"ヘルプ(&H)", 32771},         {"Quorvantixについて (&A)...", 57664}, {"", 0},
      {"終了(&X)", 57665}};
  for (std::size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(seen[i].text, expected[i].first) << i;
    EXPECT_EQ(seen[i].id, expected[i].second) << i;
    if (expected[i].second == 0)
      EXPECT_EQ(seen[i].state & kMfSeparator, kMfSeparator) << i;
    else
      EXPECT_EQ(seen[i].state & kMfGrayed, 0u) << i;
  }
}

TEST_F(PopUpMenu, SetupAndExitAreGreyedWhileTheSheetIsOpen) {
  rig.view().configOpen = 1;
  RightButton();
  ASSERT_EQ(seen.size(), 7u);
  EXPECT_EQ(seen[0].state & kMfGrayed, kMfGrayed);
  EXPECT_EQ(seen[6].state & kMfGrayed, kMfGrayed);
  for (int usable : {1, 3, 4}) EXPECT_EQ(seen[usable].state & kMfGrayed, 0u) << usable;
  rig.view().configOpen = 0;
  RightButton();
  EXPECT_EQ(seen[0].state & kMfGrayed, 0u);
  EXPECT_EQ(seen[6].state & kMfGrayed, 0u);
}

TEST_F(PopUpMenu, HelpOpensTheHelpFileBesideTheProgram) {
  choose = ID_HELP_CONTENTS;
  RightButton();
  const auto help = rig.sim.log.Of(sim::EffectKind::Help);
  ASSERT_EQ(help.size(), 1u);
  EXPECT_STREQ(help[0].text, "C:\\Tools\\QUORVNTX.hlp");
  EXPECT_EQ(help[0].help.command, 11) << "contents and index";
  EXPECT_EQ(help[0].help.data, 0);
  EXPECT_EQ(help[0].window, rig.viewWindow());
}

TEST_F(PopUpMenu, AboutRunsDialog100CentredOnTheDesktop) {
  choose = ID_APP_ABOUT;
  WindowHandle aboutWindow = 0;
  rig.host.onDialog = [&](sim::SimWindowHost& host, CDialog& dialog) {
    aboutWindow = dialog.GetSafeHwnd();
    const sim::SimWindow* window = host.Window(aboutWindow);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->centred);
    EXPECT_EQ(window->centredOn, rig.sim.windows.DesktopWindow());
    host.Click(aboutWindow, 1);
  };
  RightButton();
  ASSERT_EQ(rig.host.dialogRuns.size(), 1u);
  EXPECT_EQ(rig.host.dialogRuns[0].templateId, 100u);
  EXPECT_EQ(rig.host.dialogRuns[0].parent, rig.frameWindow());
  EXPECT_EQ(rig.host.dialogRuns[0].result, 1);
  EXPECT_NE(aboutWindow, 0u);
  EXPECT_TRUE(rig.sim.shell.iconPresent) << "the program runs on";
}

TEST_F(PopUpMenu, ExitEndsTheProgram) {
  choose = ID_APP_EXIT;
  RightButton();
  EXPECT_TRUE(rig.host.quitPosted);
  EXPECT_FALSE(rig.sim.shell.iconPresent);
  EXPECT_EQ(rig.host.LiveWindows(), 0);
}

TEST_F(PopUpMenu, FavouritesCommandOpensItsMenuOwnedByTheView) {
  rig.sim.windows.SetCursor(Point{40, 50});
  choose = ID_FAVORITES;
  RightButton();
  const auto tracks = rig.sim.log.Of(sim::EffectKind::TrackMenu);
  ASSERT_EQ(tracks.size(), 2u);
  EXPECT_EQ(tracks[1].window, rig.viewWindow());
  EXPECT_EQ(tracks[1].track.flags, kTpmLeftAlign | kTpmLeftButton);
  EXPECT_EQ(tracks[1].track.x, 40);
  EXPECT_EQ(tracks[1].track.y, 50);
  EXPECT_EQ(static_cast<MenuHandle>(tracks[1].track.menu), rig.view().favorites.menu());
}

TEST_F(PopUpMenu, TheEnginesFavouritesCommandTakesTheSameRoad) {
  Ignore(rig.sim.windows.PostMessage(rig.view().MainWindow(), kWmCommand, ID_FAVORITES, 0));
  rig.host.Pump();
  const auto tracks = rig.sim.log.Of(sim::EffectKind::TrackMenu);
  ASSERT_EQ(tracks.size(), 1u);
  EXPECT_EQ(tracks[0].window, rig.viewWindow());
}

}  // namespace
}  // namespace qv
