// The favourites ordering: only ASCII capitals fold, bytes compare unsigned,
// and double-byte characters get no special treatment.
#include <gtest/gtest.h>

#include "shell/favorites_compare.h"

namespace qv {
namespace {

TEST(FavoritesCompare, CapitalsFoldToSmallLettersAndNothingElseFolds) {
  EXPECT_EQ(CompareFavoriteText("ABC", "abc"), 0);
  EXPECT_EQ(CompareFavoriteText("Zebra", "zEBRA"), 0);
  // '_' (0x5F) lies between the capitals and the small letters: folding puts
  // it before "A" as well as before "a".
  EXPECT_LT(CompareFavoriteText("_", "A"), 0);
  EXPECT_LT(CompareFavoriteText("_", "a"), 0);
  EXPECT_LT(CompareFavoriteText("[", "Z"), 0);  // "Z" is taken as 0x7A
  // The neighbours of the capitals do not fold: '@' 0x40, '[' 0x5B.
  EXPECT_LT(CompareFavoriteText("@", "`"), 0);
  EXPECT_LT(CompareFavoriteText("[", "{"), 0);
}

TEST(FavoritesCompare, PrefixFirstAndFirstDifferenceDecides) {
  EXPECT_LT(CompareFavoriteText("news", "news.old"), 0);
  EXPECT_GT(CompareFavoriteText("news.old", "news"), 0);
  EXPECT_LT(CompareFavoriteText("", "a"), 0);
  EXPECT_EQ(CompareFavoriteText("", ""), 0);
  EXPECT_LT(CompareFavoriteText("ab", "B"), 0);
  EXPECT_GT(CompareFavoriteText("b", "ab"), 0);
}

TEST(FavoritesCompare, BytesAreUnsigned) {
  EXPECT_GT(CompareFavoriteText("\xE9t\xE9", "zoo"), 0);
  EXPECT_GT(CompareFavoriteText("ア", "z"), 0);  // lead byte 0x83
  EXPECT_LT(CompareFavoriteText("~", "\x80"), 0);
}

TEST(FavoritesCompare, SecondBytesOfDoubleByteCharactersFoldToo) {
  // "ア" is 0x83 0x41, "ヂ" 0x83 0x61: equal once the second byte folds.
  ASSERT_STREQ("ア", "\x83\x41");
  ASSERT_STREQ("ヂ", "\x83\x61");
  EXPECT_EQ(CompareFavoriteText("ア", "ヂ"), 0);
  // Full-width letters are not ASCII: "Ａ" 0x82 0x60 and "ａ" 0x82 0x81 differ.
  EXPECT_LT(CompareFavoriteText("Ａ", "ａ"), 0);
  // "ソ" 0x83 0x5C sorts before "ア" only because 0x41 folds to 0x61.
  EXPECT_LT(CompareFavoriteText("ソ", "ア"), 0);
  EXPECT_LT(CompareFavoriteText("ソ", "ヂ"), 0);
}

}  // namespace
}  // namespace qv
