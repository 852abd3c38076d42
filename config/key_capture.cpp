// Recording a key from a key-down message.
#include "config/key_capture.h"

#include "engine/pad_settings.h"
#include "framework/window_host.h"
#include "platform/constants.h"

namespace qv {
namespace {

// A virtual-key code is the key parameter's low byte; the scan code is
// the byte at bits 16..23 of the key data.
constexpr std::uint64_t kByteMask = 0xFFu;
constexpr int kScanCodeShift = 16;

}  // namespace

KeyCapture CaptureKey(const Msg& msg, std::uint32_t slotFlags, std::uint8_t& keyChar,
                      std::uint8_t& keyCode) {
  if ((slotFlags & BA_KEY) == 0) return KeyCapture::PassOn;
  switch (msg.message) {
    case kWmKeyDown:
    case kWmSysKeyDown: {
      // The extended-key bit and the repeat and state flags around the scan
      // code are not kept.
      keyChar = static_cast<std::uint8_t>(msg.wParam & kByteMask);
      const auto keyData = static_cast<std::uint64_t>(msg.lParam);
      keyCode = static_cast<std::uint8_t>((keyData >> kScanCodeShift) & kByteMask);
      return KeyCapture::Recorded;
    }
    case kWmKeyUp:
    case kWmSysKeyUp:
      return KeyCapture::Swallowed;
    default:
      return KeyCapture::PassOn;
  }
}

}  // namespace qv
