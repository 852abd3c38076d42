// Reading the favourites folder's location from the shell-folder settings.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tests/shell/favorites_fixture.h"

namespace qv::testing {
namespace {

std::vector<std::uint8_t> Bytes(const std::string& text, bool terminated) {
  std::vector<std::uint8_t> bytes(text.begin(), text.end());
  if (terminated) bytes.push_back(0);
  return bytes;
}

TEST(FavoritesFolder, MissingKeyReturnsZeroAndKeepsTheFolder) {
  sim::SimPlatform sim;
  FavoritesMenu favorites(sim.platform);
  EXPECT_EQ(favorites.ReadFavoritesFolder(), 0);
  EXPECT_STREQ(favorites.folder(), "");

  sim.registry.PutString(Hive::CurrentUser, kShellFolders, "Favorites", "D:\\Links");
  EXPECT_EQ(favorites.ReadFavoritesFolder(), 1);
  ASSERT_EQ(sim.registry.DeleteTree(Hive::CurrentUser, kShellFolders), Status::Ok);
  EXPECT_EQ(favorites.ReadFavoritesFolder(), 0);
  EXPECT_STREQ(favorites.folder(), "D:\\Links");
}

TEST(FavoritesFolder, KeyIsUnderTheCurrentUserOnly) {
  sim::SimPlatform sim;
  sim.registry.PutString(Hive::LocalMachine, kShellFolders, "Favorites", "D:\\Links");
  FavoritesMenu favorites(sim.platform);
  EXPECT_EQ(favorites.ReadFavoritesFolder(), 0);
}

TEST_F(FavoritesTest, MissingValueGivesTheEmptyFolder) {
  ASSERT_STREQ(favorites.folder(), "C:\\Fav");
  ASSERT_EQ(sim.registry.DeleteTree(Hive::CurrentUser, kShellFolders), Status::Ok);
  sim.registry.PutString(Hive::CurrentUser, kShellFolders, "Desktop", "C:\\Desk");
  EXPECT_EQ(favorites.ReadFavoritesFolder(), 1);
  EXPECT_STREQ(favorites.folder(), "");
}

TEST_F(FavoritesTest, TheValuesTypeIsNotExamined) {
  sim.registry.Put(Hive::CurrentUser, kShellFolders, "Favorites", RegType::ExpandString,
                   Bytes("E:\\Expand", true));
  EXPECT_EQ(favorites.ReadFavoritesFolder(), 1);
  EXPECT_STREQ(favorites.folder(), "E:\\Expand");
  sim.registry.Put(Hive::CurrentUser, kShellFolders, "Favorites", RegType::Binary,
                   Bytes("F:\\Raw", false));
  EXPECT_EQ(favorites.ReadFavoritesFolder(), 1);
  EXPECT_STREQ(favorites.folder(), "F:\\Raw");
}

TEST_F(FavoritesTest, AValueThatDoesNotFitTheBufferGivesTheEmptyFolder) {
  const std::string fits(1023, 'x');
  sim.registry.PutString(Hive::CurrentUser, kShellFolders, "Favorites", fits);  // 1024 bytes
  EXPECT_EQ(favorites.ReadFavoritesFolder(), 1);
  EXPECT_EQ(std::strlen(favorites.folder()), 1023u);

  sim.registry.PutString(Hive::CurrentUser, kShellFolders, "Favorites", fits + "x");
  EXPECT_EQ(favorites.ReadFavoritesFolder(), 1);
  EXPECT_STREQ(favorites.folder(), "");

  UseFolder("C:\\Fav");
  sim.registry.Put(Hive::CurrentUser, kShellFolders, "Favorites", RegType::String,
                   Bytes(std::string(1024, 'y'), false));  // fills it, no room for the end
  EXPECT_EQ(favorites.ReadFavoritesFolder(), 1);
  EXPECT_STREQ(favorites.folder(), "");
}

TEST_F(FavoritesTest, TheFolderIsReadOnceAndNotFollowedOnRebuild) {
  sim.files.AddFile("C:\\Fav\\a.url");
  sim.files.AddFile("D:\\Moved\\b.url");
  sim.registry.PutString(Hive::CurrentUser, kShellFolders, "Favorites", "D:\\Moved");
  EXPECT_EQ(Build(), "a");
}

}  // namespace
}  // namespace qv::testing
