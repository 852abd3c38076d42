// The key-name table: its size, the generated runs and the codes whose names
// are easy to get wrong.
#include "config/key_names.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace qv {
namespace {

TEST(KeyNames, HundredFortyFourCodesAreNamedAndEveryNameFitsItsSlot) {
  int named = 0;
  for (int code = 0; code < 256; ++code) {
    const char* name = KeyName(static_cast<std::uint8_t>(code));
    ASSERT_NE(name, nullptr);
    EXPECT_LT(std::strlen(name), static_cast<std::size_t>(kKeyNameSlot)) << code;
    if (name[0] != '\0') ++named;
  }
  EXPECT_EQ(named, 144);
}

TEST(KeyNames, GeneratedRunsReadAsTheirCharactersAndNumbers) {
  EXPECT_STREQ(KeyName(0x30), "0");
  EXPECT_STREQ(KeyName(0x39), "9");
  EXPECT_STREQ(KeyName(0x41), "A");
  EXPECT_STREQ(KeyName(0x5A), "Z");
  EXPECT_STREQ(KeyName(0x60), "NUMPAD0");
  EXPECT_STREQ(KeyName(0x69), "NUMPAD9");
  EXPECT_STREQ(KeyName(0x70), "F1");
  EXPECT_STREQ(KeyName(0x79), "F10");
  EXPECT_STREQ(KeyName(0x87), "F24");
  EXPECT_STREQ(KeyName(0x88), "");
  EXPECT_STREQ(KeyName(0x3A), "");
}

TEST(KeyNames, ModifiersPunctuationAndEdgesOfTheTable) {
  EXPECT_STREQ(KeyName(0x10), "SHIFT");
  EXPECT_STREQ(KeyName(0x12), "ALT");
  EXPECT_STREQ(KeyName(0xA4), "LMENU");
  EXPECT_STREQ(KeyName(0xA5), "RMENU");
  EXPECT_STREQ(KeyName(0x09), "TAB");
  EXPECT_STREQ(KeyName(0xBA), ":");
  EXPECT_STREQ(KeyName(0xC0), "@");
  EXPECT_EQ(std::string(KeyName(0xDC)), std::string(1, '\x5C'));
  EXPECT_STREQ(KeyName(0xDE), "^");
  EXPECT_STREQ(KeyName(0xE5), "PROCESSKEY");
  EXPECT_STREQ(KeyName(0xFE), "OEM_CLEAR");
  EXPECT_STREQ(KeyName(0x00), "");
  EXPECT_STREQ(KeyName(0xFF), "");
}

TEST(KeyNames, JapaneseInputKeysReadAsTheirKeyTopsInShiftJis) {
  EXPECT_STREQ(KeyName(0x1C), "変換");
  EXPECT_STREQ(KeyName(0x1D), "無変換");
  EXPECT_STREQ(KeyName(0xE2), "ロ");
  EXPECT_STREQ(KeyName(0xF0), "英数");
  EXPECT_STREQ(KeyName(0xF2), "ひらがな");
  EXPECT_EQ(std::strlen(KeyName(0xF2)), 8u);
  EXPECT_STREQ(KeyName(0xF3), "半/全");
  // The second code of the same key has no name.
  EXPECT_STREQ(KeyName(0xF4), "");
}

}  // namespace
}  // namespace qv
