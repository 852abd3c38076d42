// Recording the key of a key button from the keyboard messages.
#include "config/key_capture.h"

#include <gtest/gtest.h>

#include "engine/pad_settings.h"
#include "framework/messages.h"
#include "framework/window_host.h"
#include "platform/constants.h"
#include "tests/config/key_data.h"

namespace qv {
namespace {

Msg Key(std::uint32_t message, WParam vk, std::uint32_t scan, bool extended = false) {
  Msg msg;
  msg.message = message;
  msg.wParam = vk;
  std::uint32_t data = KeyData(scan, extended ? kKeyDataExtended : 0u);
  if (message == kWmKeyUp || message == kWmSysKeyUp) data |= kKeyDataGoingUp;
  msg.lParam = static_cast<LParam>(static_cast<std::int32_t>(data));
  return msg;
}

TEST(KeyCapture, KeyDownAndSystemKeyDownRecordCodeAndScanCodeOnly) {
  std::uint8_t keyChar = 0, keyCode = 0;
  EXPECT_EQ(CaptureKey(Key(kWmKeyDown, 0x10, 0x2A), BA_KEY, keyChar, keyCode), KeyCapture::Recorded);
  EXPECT_EQ(keyChar, 0x10);
  EXPECT_EQ(keyCode, 0x2A);
  // ALT alone arrives as a system key; the extended bit of the right-hand
  // key is not kept.
  EXPECT_EQ(CaptureKey(Key(kWmSysKeyDown, 0x12, 0x38, true), BA_KEY | BX_SHIFT, keyChar, keyCode),
            KeyCapture::Recorded);
  EXPECT_EQ(keyChar, 0x12);
  EXPECT_EQ(keyCode, 0x38);
  // Only the low byte of the key parameter is a code.
  EXPECT_EQ(CaptureKey(Key(kWmKeyDown, 0x1F4, 0x76), BA_KEY, keyChar, keyCode), KeyCapture::Recorded);
  EXPECT_EQ(keyChar, 0xF4);
}

TEST(KeyCapture, KeyUpIsSwallowedAndTheRestPassesUnchanged) {
  std::uint8_t keyChar = 0x41, keyCode = 0x1E;
  EXPECT_EQ(CaptureKey(Key(kWmKeyUp, 0x09, 0x0F), BA_KEY, keyChar, keyCode), KeyCapture::Swallowed);
  EXPECT_EQ(CaptureKey(Key(kWmSysKeyUp, 0x12, 0x38), BA_KEY, keyChar, keyCode),
            KeyCapture::Swallowed);
  Msg character = Key(kWmKeyDown, 'a', 0x1E);
  character.message = kWmChar;
  EXPECT_EQ(CaptureKey(character, BA_KEY, keyChar, keyCode), KeyCapture::PassOn);
  // A slot of another action takes no key at all.
  EXPECT_EQ(CaptureKey(Key(kWmKeyDown, 0x09, 0x0F), BA_LAUNCH | BX_HOLD, keyChar, keyCode),
            KeyCapture::PassOn);
  EXPECT_EQ(keyChar, 0x41);
  EXPECT_EQ(keyCode, 0x1E);
}

}  // namespace
}  // namespace qv
