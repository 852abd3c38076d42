// Copying Shift-JIS text into fixed buffers: never past the buffer, never
// through the middle of a double-byte character.
#include "platform/text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace qv {
namespace {

TEST(TextCopy, FitsUnchangedWhenShortEnough) {
  char buffer[8];
  EXPECT_EQ(CopyText(buffer, "abc"), 3u);
  EXPECT_STREQ(buffer, "abc");
  EXPECT_EQ(CopyText(buffer, "1234567"), 7u);
  EXPECT_STREQ(buffer, "1234567");
}

TEST(TextCopy, CutsAtCapacityLeavingRoomForTerminator) {
  char buffer[kTextCapacity];
  const std::string longText(400, 'x');
  EXPECT_EQ(CopyText(buffer, longText.c_str()), kTextCapacity - 1);
  EXPECT_EQ(std::strlen(buffer), kTextCapacity - 1);
}

TEST(TextCopy, NeverSplitsADoubleByteCharacter) {
  // 258 single bytes then one double-byte character: only 259 bytes fit, so
  // the whole character must be dropped rather than its lead byte kept.
  std::string text(258, 'a');
  text += "\x82\xA0";
  char buffer[kTextCapacity];
  EXPECT_EQ(CopyText(buffer, text.c_str()), 258u);
  EXPECT_EQ(static_cast<unsigned char>(buffer[257]), 'a');
  EXPECT_EQ(buffer[258], '\0');

  // One byte earlier the character fits entirely.
  std::string shorter(257, 'a');
  shorter += "\x82\xA0";
  EXPECT_EQ(CopyText(buffer, shorter.c_str()), 259u);
}

TEST(TextCopy, TrailByteInLeadRangeIsNotMistakenForALead) {
  // 0x95 0x5C ("表") has a backslash as its trail byte; 0x83 0x81 has a trail
  // byte that is itself in the lead range. Walking pairs keeps both whole.
  const char text[] = "\x95\x5C\x83\x81z";
  char buffer[5];
  EXPECT_EQ(CopyText(buffer, text), 4u);
  EXPECT_EQ(std::memcmp(buffer, "\x95\x5C\x83\x81", 4), 0);
}

TEST(TextCopy, LoneLeadByteAtEndCountsAsOneByte) {
  char buffer[4];
  EXPECT_EQ(CopyText(buffer, "ab\x82"), 3u);
}

TEST(TextAppend, RefusesWhatWouldNotFitAndKeepsTheTarget) {
  char buffer[8] = "abc";
  EXPECT_TRUE(AppendText(buffer, sizeof buffer, "defg"));
  EXPECT_STREQ(buffer, "abcdefg");
  EXPECT_FALSE(AppendText(buffer, sizeof buffer, "h"));
  EXPECT_STREQ(buffer, "abcdefg");
}

}  // namespace
}  // namespace qv
