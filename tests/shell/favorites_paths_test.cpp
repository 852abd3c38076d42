// Favourites paths at the system's limit, deep nesting, and Shift-JIS names
// whose second bytes look like capitals or like a backslash.
#include <gtest/gtest.h>

#include "tests/shell/favorites_fixture.h"

namespace qv::testing {
namespace {

int Depth(const sim::SimMenus& menus, MenuHandle menu, std::string& last) {
  int depth = 0;
  for (;;) {
    const auto& items = menus.Items(menu);
    if (items.size() != 1 || !items[0].submenu) {
      last = items.empty() ? "" : items[0].text;
      return depth;
    }
    menu = items[0].submenu;
    ++depth;
  }
}

TEST_F(FavoritesTest, ARootWhosePatternPassesTheLimitIsNotSearched) {
  const std::string folder = "C:\\" + std::string(253, 'r');  // 256 bytes
  UseFolder(folder);
  sim.files.AddFile(folder + "\\a");
  EXPECT_EQ(Build(), "");
  EXPECT_EQ(sim.files.searches, 0);
}

TEST_F(FavoritesTest, FilePathsUpToTheLimitAreKeptLongerOnesSkipped) {
  const std::string folder = "C:\\" + std::string(252, 'r');  // 255: pattern is 259
  UseFolder(folder);
  sim.files.AddFile(folder + "\\abcd");   // 260 bytes: left out
  sim.files.AddFile(folder + "\\ab.u");   // 260 bytes: left out
  sim.files.AddFile(folder + "\\abc");    // 259 bytes
  EXPECT_EQ(Build(), "abc");
  ASSERT_EQ(favorites.itemCount(), 1);
  EXPECT_EQ(std::string(favorites.item(0).path), folder + "\\abc");
  EXPECT_EQ(favorites.item(0).id, FAVORITE_ID_BASE);
}

TEST_F(FavoritesTest, AFolderOnlyOfOverlongFilesShowsThePlaceholder) {
  const std::string sub = "C:\\Fav\\" + std::string(240, 's');  // 247 bytes
  sim.files.AddFile(sub + "\\" + std::string(20, 'f') + ".url");
  favorites.BuildFavoritesMenu();
  EXPECT_EQ(Describe(Item(favorites.menu(), 0).submenu), "(なし)~");
}

TEST_F(FavoritesTest, SubfoldersPastTheSearchLimitShowAsEmpty) {
  const std::string ok(248, 'a');        // C:\Fav\ + 248 = 255: searched
  const std::string tooLong(249, 'b');   // 256: path fits, its pattern does not
  const std::string overPath(253, 'c');  // 260: not even the path fits
  sim.files.AddFile("C:\\Fav\\" + ok + "\\x");
  sim.files.AddFile("C:\\Fav\\" + tooLong + "\\x");
  sim.files.AddFile("C:\\Fav\\" + overPath + "\\x");
  favorites.BuildFavoritesMenu();
  ASSERT_EQ(sim.menus.ItemCount(favorites.menu()), 3);
  EXPECT_EQ(Describe(Item(favorites.menu(), 0).submenu), "x");
  EXPECT_EQ(Describe(Item(favorites.menu(), 1).submenu), "(なし)~");
  EXPECT_EQ(Describe(Item(favorites.menu(), 2).submenu), "(なし)~");
  EXPECT_EQ(Item(favorites.menu(), 2).text, overPath);
  EXPECT_EQ(sim.files.searches, 2);  // the root and the first subfolder
}

TEST_F(FavoritesTest, DeepNestingEndsAtThePathLimit) {
  std::string path = "C:\\Fav";
  for (int level = 0; level < 140; ++level) path += "\\d";
  sim.files.AddFile(path + "\\deep.url");
  favorites.BuildFavoritesMenu();
  // "C:\Fav" and 124 levels of "\d" leave room for the pattern; the 125th
  // folder is shown but not searched.
  std::string last;
  EXPECT_EQ(Depth(sim.menus, favorites.menu(), last), 125);
  EXPECT_EQ(last, "(なし)");
  EXPECT_EQ(sim.files.searches, 125);
  EXPECT_EQ(favorites.itemCount(), 1);
}

TEST_F(FavoritesTest, SecondBytesThatLookLikeCapitalsFoldAndKeepTheListingOrder) {
  sim.files.AddFile("C:\\Fav\\ヂ.url");  // 0x83 0x61
  sim.files.AddFile("C:\\Fav\\ア.url");  // 0x83 0x41, equal to the one above
  sim.files.AddFile("C:\\Fav\\ソ.url");  // 0x83 0x5C, before both once 0x41 folds
  EXPECT_EQ(Build(), "ソ ヂ ア");

  EXPECT_EQ(BuildListedAs({"C:\\Fav\\ア.url", "C:\\Fav\\ソ.url", "C:\\Fav\\ヂ.url"}), "ソ ア ヂ");
}

TEST_F(FavoritesTest, NamesWithABackslashSecondByteOpenTheRightFile) {
  // "ソフト" and "表示" both carry a 0x5C second byte.
  ASSERT_STREQ("ソ", "\x83\x5C");
  ASSERT_STREQ("表", "\x95\x5C");
  sim.files.AddFile("C:\\Fav\\ソフト\\表示.url");
  sim.files.AddFile("C:\\Fav\\ソフト\\予定表.txt");
  EXPECT_EQ(Build(), "ソフト{表示 予定表}");
  const MenuHandle sub = Item(favorites.menu(), 0).submenu;
  EXPECT_TRUE(favorites.DispatchFavoriteCommand(Item(sub, 1).id, 0, false, 1));
  ASSERT_EQ(sim.log.Count(sim::EffectKind::ShellOpen), 1u);
  EXPECT_STREQ(sim.log.Of(sim::EffectKind::ShellOpen)[0].text, "C:\\Fav\\ソフト\\予定表.txt");
}

}  // namespace
}  // namespace qv::testing
