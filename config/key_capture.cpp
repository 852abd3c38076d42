// Recording a key from a key-down message.
#include "config/key_capture.h"

#include "engine/pad_settings.h"
#include "framework/window_host.h"
#include "platform/constants.h"

namespace qv {

KeyCapture CaptureKey(const Msg& msg, std::uint32_t slotFlags, std::uint8_t& keyChar,
                      std::uint8_t& keyCode) {
  if ((slotFlags & BA_KEY) == 0) return KeyCapture::PassOn;
  switch (msg.message) {
    case kWmKeyDown:
    case kWmSysKeyDown:
      // The key data's bits 16..23 are the scan code; the extended-key bit
      // and the repeat and state flags around it are not kept.
      keyChar = static_cast<std::uint8_t>(msg.wParam & 0xFFu);
      keyCode = static_cast<std::uint8_t>((static_cast<std::uint64_t>(msg.lParam) >> 16) & 0xFFu);
      return KeyCapture::Recorded;
    case kWmKeyUp:
    case kWmSysKeyUp:
      return KeyCapture::Swallowed;
    default:
      return KeyCapture::PassOn;
  }
}

}  // namespace qv
