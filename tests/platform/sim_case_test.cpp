// The simulated registry and files tell names apart as the real system does
// on code page 932: letters fold, the trail byte of a double-byte character
// does not, so ア (0x83 0x41) and ヂ (0x83 0x61) are two names.
#include <gtest/gtest.h>

#include <string>

#include "platform/sim/sim_files.h"
#include "platform/sim/sim_registry.h"

namespace qv::sim {
namespace {

TEST(SimCaseFolding, RegistryKeepsDoubleByteNamesApartAndFoldsLetters) {
  SimRegistry registry;
  registry.PutString(Hive::CurrentUser, "Software\\ア", "Name", "first");
  registry.PutString(Hive::CurrentUser, "Software\\ヂ", "Name", "second");
  EXPECT_EQ(registry.String(Hive::CurrentUser, "SOFTWARE\\ア", "name"), "first");
  EXPECT_EQ(registry.String(Hive::CurrentUser, "software\\ヂ", "NAME"), "second");

  // Full-width, Greek and Cyrillic capitals fold to their small letters.
  registry.PutDword(Hive::CurrentUser, "Ｑ", "ΩΜΕΓΑ", 1);
  registry.PutDword(Hive::CurrentUser, "Ｑ", "Я", 2);
  EXPECT_TRUE(registry.HasKey(Hive::CurrentUser, "ｑ"));
  EXPECT_EQ(registry.Dword(Hive::CurrentUser, "ｑ", "ωμεγα"), 1u);
  EXPECT_EQ(registry.Dword(Hive::CurrentUser, "ｑ", "я"), 2u);
}

TEST(SimCaseFolding, FilesKeepDoubleByteNamesApartAndFoldLetters) {
  SimFiles files;
  files.AddFile("C:\\Fav\\ア.url", 0, "first");
  files.AddFile("C:\\Fav\\ヂ.url", 0, "second");
  EXPECT_EQ(files.Contents("c:\\FAV\\ア.URL"), "first");
  EXPECT_EQ(files.Contents("c:\\fav\\ヂ.Url"), "second");
}

}  // namespace
}  // namespace qv::sim
