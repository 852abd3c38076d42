// Handles a port makes go back to it with their owner, whatever path the
// owner takes: moved, replaced, handed to a parent menu, or refused by one.
#include <gtest/gtest.h>

#include <utility>

#include "platform/sim/sim_menus.h"
#include "platform/sim/sim_shell.h"

namespace qv {
namespace {

TEST(OwnedHandles, MovedAndReplacedOwnersFreeEachHandleOnce) {
  sim::Log log;
  sim::SimShell shell(log);
  {
    OwnedIcon first = shell.LoadSmallIcon(sim::SimShell::kActiveIcon);
    ASSERT_TRUE(first);
    OwnedIcon moved = std::move(first);
    EXPECT_FALSE(first);
    EXPECT_EQ(shell.LiveIcons(), 1);
    moved = shell.LoadSmallIcon(sim::SimShell::kPausedIcon);  // the old picture goes as the new one comes
    EXPECT_EQ(shell.LiveIcons(), 1);
    EXPECT_EQ(shell.ResourceOf(moved.get()), sim::SimShell::kPausedIcon);
    EXPECT_FALSE(shell.LoadSmallIcon(4321)) << "no such resource";
  }
  EXPECT_EQ(shell.LiveIcons(), 0);
}

TEST(OwnedHandles, AnInsertedSubmenuGoesWithItsParentARefusedOneAtOnce) {
  sim::Log log;
  sim::SimMenus menus(log);
  {
    OwnedMenu top = menus.CreatePopupMenu();
    OwnedMenu sub = menus.CreatePopupMenu();
    const MenuHandle subHandle = sub.get();
    ASSERT_TRUE(Succeeded(menus.InsertSubMenu(top.get(), 0, std::move(sub), TextCode::Program, "sub")));
    EXPECT_TRUE(menus.Exists(subHandle)) << "the parent holds it now";

    OwnedMenu orphan = menus.CreatePopupMenu();
    const MenuHandle noMenu = 0x7777;
    EXPECT_FALSE(Succeeded(menus.InsertSubMenu(noMenu, 0, std::move(orphan), TextCode::Program, "lost")));
    EXPECT_EQ(menus.LiveCount(), 2) << "the refused submenu is not left behind";
  }
  EXPECT_EQ(menus.LiveCount(), 0);
}

}  // namespace
}  // namespace qv
