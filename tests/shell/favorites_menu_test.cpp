// The favourites menu's shape: order, titles, skipped entries, placeholders,
// the entry limit and rebuilding.
#include <gtest/gtest.h>

#include "tests/shell/favorites_fixture.h"

namespace qv::testing {
namespace {

TEST_F(FavoritesTest, FilesSortWithCapitalsFoldedAndEqualsInListingOrder) {
  sim.files.AddFile("C:\\Fav\\b.url");
  sim.files.AddFile("C:\\Fav\\A.url");
  sim.files.AddFile("C:\\Fav\\a.lnk");
  sim.files.AddFile("C:\\Fav\\Z\\z.url");
  EXPECT_EQ(Build(), "Z{z} A a b");

  EXPECT_EQ(BuildListedAs({"C:\\Fav\\b.url", "C:\\Fav\\a.lnk", "C:\\Fav\\A.url", "C:\\Fav\\Z\\z.url"}),
            "Z{z} a A b");
}

TEST_F(FavoritesTest, FoldersSortAmongThemselvesAboveFiles) {
  sim.files.AddFile("C:\\Fav\\aaa.url");
  sim.files.AddFolder("C:\\Fav\\mid");
  sim.files.AddFolder("C:\\Fav\\Beta");
  sim.files.AddFile("C:\\Fav\\0.url");
  sim.files.AddFolder("C:\\Fav\\_under");
  sim.files.AddFolder("C:\\Fav\\alpha");
  EXPECT_EQ(Build(), "_under{(なし)~} alpha{(なし)~} Beta{(なし)~} mid{(なし)~} 0 aaa");
}

TEST_F(FavoritesTest, TitlesDropOnlyTheLastExtension) {
  sim.files.AddFile("C:\\Fav\\news.old.url");
  sim.files.AddFile("C:\\Fav\\README");
  sim.files.AddFolder("C:\\Fav\\Old.Links");
  sim.files.AddFile("C:\\Fav\\Old.Links\\x.y.z.lnk");
  EXPECT_EQ(Build(), "Old.Links{x.y.z} news.old README");
  EXPECT_STREQ(favorites.item(0).path, "C:\\Fav\\news.old.url");
  EXPECT_STREQ(favorites.item(2).path, "C:\\Fav\\Old.Links\\x.y.z.lnk");
}

TEST_F(FavoritesTest, HiddenSystemAndDotEntriesAreSkipped) {
  sim.files.AddFolder("C:\\Fav\\Secret", kFileAttributeHidden);
  sim.files.AddFile("C:\\Fav\\Secret\\in.url");
  sim.files.AddFile("C:\\Fav\\desktop.ini", kFileAttributeHidden | kFileAttributeSystem);
  sim.files.AddFile("C:\\Fav\\sys.url", kFileAttributeSystem);
  sim.files.AddFolder("C:\\Fav\\Only hidden");
  sim.files.AddFile("C:\\Fav\\Only hidden\\h.url", kFileAttributeHidden);
  sim.files.AddFile("C:\\Fav\\shown.url");
  EXPECT_EQ(Build(), "Only hidden{(なし)~} shown");
}

TEST_F(FavoritesTest, PlaceholderTakesAnEntryAndIsProgramText) {
  sim.files.AddFolder("C:\\Fav\\Empty");
  sim.files.AddFolder("C:\\Fav\\Locked");
  sim.files.AddFile("C:\\Fav\\Locked\\x.url");
  sim.files.SetUnreadable("C:\\Fav\\Locked");
  sim.files.AddFile("C:\\Fav\\f.url");
  EXPECT_EQ(Build(), "Empty{(なし)~} Locked{(なし)~} f");
  ASSERT_EQ(favorites.itemCount(), 3);
  const MenuHandle empty = Item(favorites.menu(), 0).submenu;
  EXPECT_EQ(Item(empty, 0).id, FAVORITE_ID_BASE);
  EXPECT_EQ(Item(empty, 0).code, TextCode::Program);
  EXPECT_STREQ(favorites.item(0).path, "");
  EXPECT_EQ(Item(favorites.menu(), 2).id, FAVORITE_ID_BASE + 2);
  EXPECT_EQ(Item(favorites.menu(), 2).code, TextCode::System);
  EXPECT_EQ(Item(favorites.menu(), 0).code, TextCode::System);
}

TEST_F(FavoritesTest, MissingEmptyOrUnreadableRootGivesAnEmptyMenuWithoutPlaceholder) {
  EXPECT_EQ(Build(), "");  // C:\Fav does not exist
  EXPECT_NE(favorites.menu(), 0u);
  sim.files.AddFolder("C:\\Fav");
  EXPECT_EQ(Build(), "");
  sim.files.AddFile("C:\\Fav\\a.url");
  sim.files.SetUnreadable("C:\\Fav");
  EXPECT_EQ(Build(), "");
  EXPECT_EQ(favorites.itemCount(), 0);
}

TEST_F(FavoritesTest, EmptyFolderSettingDoesNotWalkTheDriveRoot) {
  UseFolder("");
  sim.files.AddFile("C:\\a.url");
  EXPECT_EQ(Build(), "");
  EXPECT_EQ(sim.files.searches, 0);
}

TEST_F(FavoritesTest, EntryIdsFollowTheWalkOrderNotTheMenuOrder) {
  sim.files.AddFile("C:\\Fav\\z.url");
  sim.files.AddFolder("C:\\Fav\\F");
  sim.files.AddFile("C:\\Fav\\F\\in.url");
  sim.files.AddFile("C:\\Fav\\a.url");
  EXPECT_EQ(Build(), "F{in} a z");
  EXPECT_EQ(Item(favorites.menu(), 2).id, FAVORITE_ID_BASE + 0);  // z
  EXPECT_EQ(Item(Item(favorites.menu(), 0).submenu, 0).id, FAVORITE_ID_BASE + 1);
  EXPECT_EQ(Item(favorites.menu(), 1).id, FAVORITE_ID_BASE + 2);  // a
  EXPECT_STREQ(favorites.item(1).path, "C:\\Fav\\F\\in.url");
}

// --- the 1000-entry limit -------------------------------------------------

void AddFiles(sim::SimFiles& files, const std::string& folder, int count, const char* prefix) {
  for (int i = 0; i < count; ++i)
    files.AddFile(folder + "\\" + prefix + std::to_string(1000 + i) + ".url");
}

TEST_F(FavoritesTest, ExactlyAThousandFilesAllAppear) {
  AddFiles(sim.files, "C:\\Fav", 1000, "f");
  favorites.BuildFavoritesMenu();
  EXPECT_EQ(sim.menus.ItemCount(favorites.menu()), 1000);
  EXPECT_EQ(favorites.itemCount(), 1000);
  EXPECT_EQ(favorites.item(999).id, FAVORITE_ID_BASE + 999);
  EXPECT_EQ(Item(favorites.menu(), 999).text, "f1999");
}

TEST_F(FavoritesTest, TheThousandAndFirstFileIsLeftOut) {
  AddFiles(sim.files, "C:\\Fav", 1000, "f");
  sim.files.AddFile("C:\\Fav\\a-last.url");  // would sort first if placed
  sim.files.AddFolder("C:\\Fav\\After");
  favorites.BuildFavoritesMenu();
  EXPECT_EQ(sim.menus.ItemCount(favorites.menu()), 1000);
  EXPECT_EQ(Item(favorites.menu(), 0).text, "f1000");
  EXPECT_EQ(favorites.itemCount(), 1000);
}

TEST_F(FavoritesTest, LimitReachedInsideASubfolderEndsEveryLevel) {
  AddFiles(sim.files, "C:\\Fav", 999, "f");
  AddFiles(sim.files, "C:\\Fav\\Sub", 5, "s");
  sim.files.AddFile("C:\\Fav\\late.url");
  favorites.BuildFavoritesMenu();
  EXPECT_EQ(sim.menus.ItemCount(favorites.menu()), 1000);
  const MenuHandle sub = Item(favorites.menu(), 0).submenu;
  ASSERT_NE(sub, 0u);
  EXPECT_EQ(Describe(sub), "s1000");
  EXPECT_EQ(favorites.itemCount(), 1000);
}

TEST_F(FavoritesTest, LimitReachedDeepStopsTheEnclosingFolders) {
  AddFiles(sim.files, "C:\\Fav", 998, "f");
  sim.files.AddFile("C:\\Fav\\A\\B\\one.url");
  sim.files.AddFile("C:\\Fav\\A\\B\\two.url");
  sim.files.AddFile("C:\\Fav\\A\\B\\three.url");
  sim.files.AddFile("C:\\Fav\\A\\after-b.url");
  sim.files.AddFolder("C:\\Fav\\C");
  favorites.BuildFavoritesMenu();
  EXPECT_EQ(Describe(Item(favorites.menu(), 0).submenu), "B{one two}");
  EXPECT_EQ(sim.menus.ItemCount(favorites.menu()), 999);
  EXPECT_EQ(favorites.itemCount(), 1000);
}

TEST_F(FavoritesTest, PlaceholdersCountTowardsTheLimit) {
  for (int i = 0; i < 999; ++i) sim.files.AddFolder("C:\\Fav\\d" + std::to_string(1000 + i));
  sim.files.AddFile("C:\\Fav\\one.url");
  sim.files.AddFile("C:\\Fav\\two.url");
  favorites.BuildFavoritesMenu();
  EXPECT_EQ(sim.menus.ItemCount(favorites.menu()), 1000);
  EXPECT_EQ(Item(favorites.menu(), 999).text, "one");
  EXPECT_EQ(favorites.itemCount(), 1000);
}

// --- rebuilding -------------------------------------------------------------

TEST_F(FavoritesTest, RebuildDestroysTheOldMenuAndRestartsTheIds) {
  sim.files.AddFile("C:\\Fav\\Sub\\s.url");
  sim.files.AddFile("C:\\Fav\\Sub\\Deeper\\d.url");
  sim.files.AddFile("C:\\Fav\\a.url");
  favorites.BuildFavoritesMenu();
  const MenuHandle first = favorites.menu();
  const int live = sim.menus.LiveCount();
  EXPECT_EQ(live, 3);
  EXPECT_EQ(favorites.itemCount(), 3);

  favorites.BuildFavoritesMenu();
  EXPECT_FALSE(sim.menus.Exists(first));
  EXPECT_EQ(sim.menus.LiveCount(), live);
  EXPECT_EQ(favorites.itemCount(), 3);
  const MenuHandle sub = Item(favorites.menu(), 0).submenu;
  EXPECT_EQ(Describe(sub), "Deeper{d} s");
  EXPECT_EQ(Item(sub, 1).id, FAVORITE_ID_BASE);
  EXPECT_EQ(Item(Item(sub, 0).submenu, 0).id, FAVORITE_ID_BASE + 1);
}

TEST(FavoritesLifetime, TheMenuGoesWithTheObject) {
  sim::SimPlatform sim;
  sim.registry.PutString(Hive::CurrentUser, kShellFolders, "Favorites", "C:\\Fav");
  sim.files.AddFile("C:\\Fav\\Sub\\s.url");
  {
    FavoritesMenu favorites(sim.platform);
    favorites.ReadFavoritesFolder();
    favorites.BuildFavoritesMenu();
    EXPECT_EQ(sim.menus.LiveCount(), 2);
  }
  EXPECT_EQ(sim.menus.LiveCount(), 0);
}

}  // namespace
}  // namespace qv::testing
